#pragma once
// Numeric command ids of the menu and accelerator table. They are the ids the
// program has always used (menus, tests and the help texts refer to them).
namespace cmd {

enum CommandId : int {
  kNewGame2 = 32806,
  kNewGame3 = 32807,
  kNewGame4 = 32808,
  kNewGame5 = 32809,
  kNewGame6 = 32810,
  kNewGame7 = 32828,
  kInitialState = 32819,
  kFileOpen = 57601,
  kFileSave = 57603,
  kFileSaveAs = 57604,
  kAppExit = 57665,
  kEditUndo = 57643,
  kEditRedo = 57644,
  kSlowScramble = 32794,
  kFastScramble = 32818,
  kOptions = 32795,
  kThemeStandard = 32803,
  kThemeNumbers = 32804,
  kThemeLetters = 32820,
  kThemeSymbols = 32822,
  kThemePictures = 32821,
  kThemeCurrency = 32825,
  kThemeFlavours = 32823,
  kThemeDynasties = 32826,
  kProjectionView = 32801,
  kSunlight = 32805,
  kSmoothEdges = 32840,
  kPaneSolver = 32812,
  kPaneLog = 32813,
  kBackgroundNone = 32816,
  kBackgroundCustom = 32817,
  kAppAbout = 57664,
  kHelp = 32799,
  kFileNew = 57600,
  kPrevPane = 57681,
  kEditCopy = 57634,
  kEditCut = 57635,
  kEditPaste = 57637,
  kRandomStateScramble = 32850,
  kCopyStandardSolution = 32851,
};

}  // namespace cmd
