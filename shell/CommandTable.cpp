#include "shell/CommandTable.h"

#include "shell/CommandIds.h"

namespace cmd {

namespace {

constexpr const char* kGame = "游戏";
constexpr const char* kNewGame = "游戏/新游戏";
constexpr const char* kTurns = "操作";
constexpr const char* kLooks = "外观";
constexpr const char* kPanes = "外观/窗口布局";
constexpr const char* kBackground = "外观/背景";
constexpr const char* kHelpMenu = "帮助";
constexpr const char* kNoMenu = "";

// Menu order is table order. The new-game items for orders 2..6 show the
// maker's name as their prompt; the 7×7×7 item has an empty prompt.
constexpr CommandSpec kCommands[] = {
    {kNewGame2, kNewGame, "2X2X2魔方", {}, kMakerText, false},
    {kNewGame3, kNewGame, "3X3X3魔方", {}, kMakerText, false},
    {kNewGame4, kNewGame, "4X4X4魔方", {}, kMakerText, false},
    {kNewGame5, kNewGame, "5X5X5魔方", {}, kMakerText, false},
    {0, kNewGame, "", {}, "", false},
    {kNewGame6, kNewGame, "6X6X6魔方", {}, kMakerText, false},
    {kNewGame7, kNewGame, "7X7X7魔方", {}, "", false},
    {kInitialState, kGame, "初始状态", {"F2"}, "魔方恢复到初始状态", false},
    {kFileOpen, kGame, "打开...", {"Ctrl+O"}, "打开一个魔方文档", false},
    {kFileSave, kGame, "保存", {"Ctrl+S"}, "保存当前魔方文档", false},
    {kFileSaveAs, kGame, "另存为", {}, "用新名字保存当前魔方文档", false},
    {0, kGame, "", {}, "", false},
    {kAppExit, kGame, "退出", {}, "退出程序", false},
    {kEditUndo, kTurns, "撤消", {"Ctrl+Z", "Alt+Backspace"}, "撤消上一步转动", false},
    {0, kTurns, "", {}, "", false},
    {kSlowScramble, kTurns, "慢速乱转", {"F5"}, "慢速随机乱转魔方", false},
    {kFastScramble, kTurns, "高速乱转", {"F6"}, "高速随机乱转魔方", false},
    {kRandomStateScramble, kTurns, "随机状态打乱", {}, "把二阶或三阶魔方打乱成等概率的随机状态", false},
    {kCopyStandardSolution, kTurns, "复制解法（标准记号）", {}, "把解答窗口从光标到末尾的步骤用标准记号复制到剪贴板", false},
    {kOptions, kTurns, "配置", {"F8"}, "设置转动、乱转和解法参数", false},
    {kThemeStandard, kLooks, "标准魔方", {}, "纯色贴纸", true},
    {kThemeNumbers, kLooks, "数字魔方", {}, "数字贴图", true},
    {kThemeLetters, kLooks, "字母魔方", {}, "字母贴图", true},
    {kThemeSymbols, kLooks, "符号魔方", {}, "符号贴图", true},
    {kThemePictures, kLooks, "图案魔方", {}, "图案贴图", true},
    {kThemeCurrency, kLooks, "财神魔方", {}, "货币符号贴图", true},
    {kThemeFlavours, kLooks, "阴阳魔方", {}, "五味贴图", true},
    {kThemeDynasties, kLooks, "天下魔方", {}, "朝代贴图", true},
    {kProjectionView, kLooks, "投影视图", {"F4"}, "显示三个背面的投影", true},
    {kSunlight, kLooks, "阳光效果", {}, "打开或关闭第二个光源", true},
    {kPaneSolver, kPanes, "求解窗口", {}, "显示或隐藏求解窗口", true},
    {kPaneLog, kPanes, "解答窗口", {}, "显示或隐藏解答窗口", true},
    {kBackgroundNone, kBackground, "无", {}, "显示或隐藏背景图片", true},
    {kBackgroundCustom, kBackground, "自定义", {}, "选择背景图片文件", false},
    {kAppAbout, kHelpMenu, "关于", {}, "显示程序信息、版本号和版权", false},
    {kHelp, kHelpMenu, "帮助", {"F1"}, "显示帮助", false},
    {kFileNew, kNoMenu, "新建", {"Ctrl+N"}, "建立新文档", false},
    {kPrevPane, kNoMenu, "上一窗格", {"Shift+F6"}, "切换回上一个窗格", false},
    {kEditCopy, kNoMenu, "复制", {"Ctrl+C", "Ctrl+Ins"}, "复制选定内容", false},
    {kEditCut, kNoMenu, "剪切", {"Ctrl+X", "Shift+Del"}, "剪切选定内容", false},
    {kEditPaste, kNoMenu, "粘贴", {"Ctrl+V", "Shift+Ins"}, "插入剪贴板内容", false},
};

struct ThemeCommand {
  int id;
  int theme;
};
constexpr ThemeCommand kThemeCommands[] = {
    {kThemeStandard, 0}, {kThemeNumbers, 1}, {kThemeLetters, 2}, {kThemePictures, 3},
    {kThemeSymbols, 4},  {kThemeFlavours, 5}, {kThemeCurrency, 6}, {kThemeDynasties, 7},
};

constexpr int kNewGameCommands[] = {kNewGame2, kNewGame3, kNewGame4,
                                    kNewGame5, kNewGame6, kNewGame7};

}  // namespace

std::span<const CommandSpec> Commands() { return kCommands; }

const CommandSpec* FindCommand(int id) {
  if (id == 0) return nullptr;
  for (const CommandSpec& c : kCommands)
    if (c.id == id) return &c;
  return nullptr;
}

int NewGameOrder(int id) {
  for (int i = 0; i < 6; ++i)
    if (kNewGameCommands[i] == id) return i + 2;
  return 0;
}

int NewGameCommand(int order) {
  return order >= 2 && order <= 7 ? kNewGameCommands[order - 2] : 0;
}

int ThemeOfCommand(int id) {
  for (const ThemeCommand& t : kThemeCommands)
    if (t.id == id) return t.theme;
  return -1;
}

}  // namespace cmd
