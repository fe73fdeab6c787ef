#pragma once
// The most-recently-used document list of the 游戏 menu: at most four absolute
// paths, newest first, kept in the settings store under "Recent File List"
// as "File1".."File4".
#include <QStringList>

namespace shell {

class RecentFileList {
 public:
  static constexpr int kSize = 4;

  void Load();
  // Puts `path` at the top (once), drops what falls off the end and saves.
  void Add(const QString& path);
  void Remove(int index);
  const QStringList& Files() const { return files_; }

  // The menu text of entry `index`: "&1 " and the file name when the file is in
  // the current directory, else its full path shortened in the middle.
  static QString MenuText(int index, const QString& path);

 private:
  void Save() const;

  QStringList files_;
};

}  // namespace shell
