#pragma once
// The recent-file entries of the 游戏 menu, numbered "&1".."&4" with the ids
// 57616..57619, kept in step with the document's list.
class QAction;
class QMenu;

namespace shell {

class CRubikDoc;

inline constexpr int kFirstRecentFileCommand = 57616;

// Keeps the entries, followed by a separator, just before `before` in `menu`.
void InstallRecentFileMenu(QMenu* menu, QAction* before, CRubikDoc& doc);

}  // namespace shell
