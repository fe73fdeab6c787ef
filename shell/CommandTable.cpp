#include "shell/CommandTable.h"

#include <QtGlobal>

#include "shell/CommandIds.h"

namespace cmd {

namespace {

constexpr const char* kGame = QT_TR_NOOP("游戏");
constexpr const char* kNewGame = QT_TR_NOOP("游戏/新游戏");
constexpr const char* kTurns = QT_TR_NOOP("操作");
constexpr const char* kLooks = QT_TR_NOOP("外观");
constexpr const char* kPanes = QT_TR_NOOP("外观/窗口布局");
constexpr const char* kBackground = QT_TR_NOOP("外观/背景");
constexpr const char* kHelpMenu = QT_TR_NOOP("帮助");
constexpr const char* kNoMenu = "";

// Texts marked QT_TR_NOOP are translated in the context "cmd" where the
// menus are made. Menu order is table order. The new-game items for orders 2..6 show the
// maker's name as their prompt; the 7×7×7 item has an empty prompt.
constexpr CommandSpec kCommands[] = {
    {kNewGame2, kNewGame, QT_TR_NOOP("2X2X2魔方"), {}, kMakerText, false},
    {kNewGame3, kNewGame, QT_TR_NOOP("3X3X3魔方"), {}, kMakerText, false},
    {kNewGame4, kNewGame, QT_TR_NOOP("4X4X4魔方"), {}, kMakerText, false},
    {kNewGame5, kNewGame, QT_TR_NOOP("5X5X5魔方"), {}, kMakerText, false},
    {0, kNewGame, "", {}, "", false},
    {kNewGame6, kNewGame, QT_TR_NOOP("6X6X6魔方"), {}, kMakerText, false},
    {kNewGame7, kNewGame, QT_TR_NOOP("7X7X7魔方"), {}, "", false},
    {kInitialState, kGame, QT_TR_NOOP("初始状态"), {"F2"}, QT_TR_NOOP("魔方恢复到初始状态"), false},
    {kFileOpen, kGame, QT_TR_NOOP("打开..."), {"Ctrl+O"}, QT_TR_NOOP("打开一个魔方文档"), false},
    {kFileSave, kGame, QT_TR_NOOP("保存"), {"Ctrl+S"}, QT_TR_NOOP("保存当前魔方文档"), false},
    {kFileSaveAs, kGame, QT_TR_NOOP("另存为"), {}, QT_TR_NOOP("用新名字保存当前魔方文档"), false},
    {0, kGame, "", {}, "", false},
    {kAppExit, kGame, QT_TR_NOOP("退出"), {}, QT_TR_NOOP("退出程序"), false},
    {kEditUndo, kTurns, QT_TR_NOOP("撤消"), {"Ctrl+Z", "Alt+Backspace"}, QT_TR_NOOP("撤消上一步转动"), false},
    {kEditRedo, kTurns, QT_TR_NOOP("重做"), {"Ctrl+Y", "Ctrl+Shift+Z"}, QT_TR_NOOP("重做上一步撤消的转动"), false},
    {0, kTurns, "", {}, "", false},
    {kSlowScramble, kTurns, QT_TR_NOOP("慢速乱转"), {"F5"}, QT_TR_NOOP("慢速随机乱转魔方"), false},
    {kFastScramble, kTurns, QT_TR_NOOP("高速乱转"), {"F6"}, QT_TR_NOOP("高速随机乱转魔方"), false},
    {kRandomStateScramble, kTurns, QT_TR_NOOP("随机状态打乱"), {}, QT_TR_NOOP("把二阶或三阶魔方打乱成等概率的随机状态"), false},
    {kCopyStandardSolution, kTurns, QT_TR_NOOP("复制解法（标准记号）"), {}, QT_TR_NOOP("把解答窗口从光标到末尾的步骤用标准记号复制到剪贴板"), false},
    {kOptions, kTurns, QT_TR_NOOP("配置"), {"F8"}, QT_TR_NOOP("设置转动、乱转和解法参数"), false},
    {kThemeStandard, kLooks, QT_TR_NOOP("标准魔方"), {}, QT_TR_NOOP("纯色贴纸"), true},
    {kThemeNumbers, kLooks, QT_TR_NOOP("数字魔方"), {}, QT_TR_NOOP("数字贴图"), true},
    {kThemeLetters, kLooks, QT_TR_NOOP("字母魔方"), {}, QT_TR_NOOP("字母贴图"), true},
    {kThemeSymbols, kLooks, QT_TR_NOOP("符号魔方"), {}, QT_TR_NOOP("符号贴图"), true},
    {kThemePictures, kLooks, QT_TR_NOOP("图案魔方"), {}, QT_TR_NOOP("图案贴图"), true},
    {kThemeCurrency, kLooks, QT_TR_NOOP("财神魔方"), {}, QT_TR_NOOP("货币符号贴图"), true},
    {kThemeFlavours, kLooks, QT_TR_NOOP("阴阳魔方"), {}, QT_TR_NOOP("五味贴图"), true},
    {kThemeDynasties, kLooks, QT_TR_NOOP("天下魔方"), {}, QT_TR_NOOP("朝代贴图"), true},
    {kProjectionView, kLooks, QT_TR_NOOP("投影视图"), {"F4"}, QT_TR_NOOP("显示三个背面的投影"), true},
    {kSunlight, kLooks, QT_TR_NOOP("阳光效果"), {}, QT_TR_NOOP("打开或关闭第二个光源"), true},
    {kSmoothEdges, kLooks, QT_TR_NOOP("抗锯齿"), {}, QT_TR_NOOP("用多重采样画出平滑的边缘"), true},
    {kPaneSolver, kPanes, QT_TR_NOOP("求解窗口"), {}, QT_TR_NOOP("显示或隐藏求解窗口"), true},
    {kPaneLog, kPanes, QT_TR_NOOP("解答窗口"), {}, QT_TR_NOOP("显示或隐藏解答窗口"), true},
    {kBackgroundNone, kBackground, QT_TR_NOOP("无"), {}, QT_TR_NOOP("显示或隐藏背景图片"), true},
    {kBackgroundCustom, kBackground, QT_TR_NOOP("自定义"), {}, QT_TR_NOOP("选择背景图片文件"), false},
    {kAppAbout, kHelpMenu, QT_TR_NOOP("关于"), {}, QT_TR_NOOP("显示程序信息、版本号和版权"), false},
    {kHelp, kHelpMenu, QT_TR_NOOP("帮助"), {"F1"}, QT_TR_NOOP("显示帮助"), false},
    {kFileNew, kNoMenu, QT_TR_NOOP("新建"), {"Ctrl+N"}, QT_TR_NOOP("建立新文档"), false},
    {kPrevPane, kNoMenu, QT_TR_NOOP("上一窗格"), {"Shift+F6"}, QT_TR_NOOP("切换回上一个窗格"), false},
    {kEditCopy, kNoMenu, QT_TR_NOOP("复制"), {"Ctrl+C", "Ctrl+Ins"}, QT_TR_NOOP("复制选定内容"), false},
    {kEditCut, kNoMenu, QT_TR_NOOP("剪切"), {"Ctrl+X", "Shift+Del"}, QT_TR_NOOP("剪切选定内容"), false},
    {kEditPaste, kNoMenu, QT_TR_NOOP("粘贴"), {"Ctrl+V", "Shift+Ins"}, QT_TR_NOOP("插入剪贴板内容"), false},
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
