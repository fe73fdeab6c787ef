#pragma once
// The single table of the program's commands: where each one sits in the
// menu, its text, its keys and its status-bar prompt. The main frame builds
// its menus, actions and shortcuts from this table and nothing else.
#include <QtGlobal>
#include <span>

namespace cmd {

struct CommandSpec {
  int id;               // 0 marks a separator
  const char* menu;     // menu path, "/" between levels; "" = no menu item (keys only).
                        // Each level's path is translated whole: "外观/背景" → "View/Background".
  const char* text;     // menu text (UTF-8, Chinese; translated in the context "cmd")
  const char* keys[2];  // accelerators in QKeySequence's portable text form, or nullptr
  const char* prompt;   // message-pane text while the item is highlighted
  bool checkable;
};

std::span<const CommandSpec> Commands();
const CommandSpec* FindCommand(int id);

// Order of the new-game command, 0 when `id` is not one.
int NewGameOrder(int id);
int NewGameCommand(int order);
// Theme number 0..7 chosen by a theme command, -1 when `id` is not one.
int ThemeOfCommand(int id);

// The 游戏 menu's path, where the recent files go.
inline constexpr const char* kGameMenu = "游戏";

// The fixed text shown in the message pane while a new-game item for orders 2..6 is highlighted.
inline constexpr const char* kMakerText = QT_TR_NOOP("Velmora机电设备有限公司");

}  // namespace cmd
