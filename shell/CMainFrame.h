#pragma once
// The main window: the 3D view over the move-log pane, the solving pane on
// the right, the menus and keys of shell/CommandTable.h, the status bar, the
// 800 × 600 opening (and smallest) size and the two-pass close.
#include <QHash>
#include <QList>
#include <QMainWindow>

#include "shell/SettingsStore.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;

namespace view {
class CRubikView;
}

namespace shell {

class CCubeSolverForm;
class COpLogForm;
class CRubikDoc;
class ScrambleCommands;


class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CRubikDoc& doc, QWidget* parent = nullptr);
  ~CMainFrame() override;

  view::CRubikView* View() const { return view_; }
  QWidget* MoveLogPane() const { return logPane_; }
  COpLogForm* LogForm() const { return logForm_; }
  // The scramble commands; the solving form follows their solve-button signal.
  ScrambleCommands* Scrambles() const { return scrambles_; }
  QWidget* SolverPane() const { return solverPane_; }
  CCubeSolverForm* SolverForm() const { return solverForm_; }
  CRubikDoc& Document() const { return doc_; }
  QAction* Action(int id) const { return actions_.value(id); }
  QMenu* Menu(const QString& path) const { return menus_.value(path); }
  QLabel* MessagePane() const { return messagePane_; }
  QLabel* MoveCounterPane() const { return counterPane_; }

  bool ProjectionFlag() const { return projection_; }
  int Theme() const { return theme_; }
  bool SunlightFlag() const { return sunlight_; }

  // Runs the command with this id, as its menu item or key would.
  void RunCommand(int id);
  // Refreshes the status bar and every command's enabled and checked state.
  void UpdateCommandUi();
  QActionGroup* ThemeGroup() const { return themeGroup_; }

  WindowLayout Layout() const;
  // Before the window is shown: size, pane sizes and smooth edges from last time.
  void ApplyLayout(const WindowLayout& layout);

 signals:
  // A new game of `order` has started; the log and solving forms follow it.
  void newGameStarted(int order);
  // Closing: running work (solver threads) must stop.
  void stopRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private slots:
  void OnNewGame(int order);
  void OnInitialState();
  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnEditUndo();
  void OnEditRedo();
  void OnSlowScramble();
  void OnFastScramble();
  void OnRandomStateScramble();
  void OnCopyStandardSolution();
  void OnOptions();
  void OnTheme(int theme);
  void OnProjectionView();
  void OnSunlight();
  void OnSmoothEdges();
  void OnToggleSolverPane();
  void OnToggleLogPane();
  void OnBackgroundNone();
  void OnBackgroundCustom();
  void OnAppAbout();
  void OnHelp();
  void OnPrevPane();

 private:
  struct Handler;
  static const Handler* FindHandler(int id);
  void CreateMenus();
  void CreateStatusBar();
  void CreatePanes();
  void HookUpLogForm();
  // The session document reads and writes this frame's view; its recent files join the 游戏 menu.
  void AttachDocument();
  void ApplyPaneSizes();
  void UpdateTitle();
  void UpdateSizeGrip();
  static QString CapsLockText();
  static QString CounterText(const QString& count);
  static int PaneSize(const QWidget* pane, const QSplitter* splitter, const QList<int>& remembered);
  bool CommandEnabled(int id) const;
  bool CommandChecked(int id) const;
  void TogglePane(QWidget* pane, QSplitter* splitter, QList<int>& remembered);

  CRubikDoc& doc_;
  view::CRubikView* view_ = nullptr;
  QWidget* logPane_ = nullptr;
  COpLogForm* logForm_ = nullptr;
  ScrambleCommands* scrambles_ = nullptr;
  QWidget* solverPane_ = nullptr;
  CCubeSolverForm* solverForm_ = nullptr;
  QSplitter* outer_ = nullptr;
  QSplitter* inner_ = nullptr;
  bool splittersReady_ = false;
  QList<int> outerSizes_, innerSizes_;
  int storedSolverWidth_ = 0, storedLogHeight_ = 0;
  QActionGroup* themeGroup_ = nullptr;
  QLabel* capsPane_ = nullptr;
  QLabel* hintPane_ = nullptr;
  QLabel* counterPane_ = nullptr;
  QLabel* messagePane_ = nullptr;
  QHash<int, QAction*> actions_;
  QHash<QString, QMenu*> menus_;
  bool projection_ = true;
  int theme_ = 1;
  bool sunlight_ = false;
};

}  // namespace shell
