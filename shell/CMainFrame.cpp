#include "shell/CMainFrame.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <algorithm>

#include "model/FaceVisibility.h"
#include "model/StandardNotation.h"
#include "solvers/orchestration/RandomStateScramble.h"
#include "shell/AppIcon.h"
#include "shell/CAboutDlg.h"
#include "shell/CDlgHelp.h"
#include "shell/CCubeSolverForm.h"
#include "shell/COpLogForm.h"
#include "shell/CRubikDoc.h"
#include "shell/CapsLockState.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "shell/CPreferencesDlg.h"
#include "shell/Panes.h"
#include "shell/ScrambleCommands.h"
#include "shell/SettingsStore.h"
#include "shell/RecentFileMenu.h"
#include "view/Appearance.h"
#include "view/CRubikView.h"

namespace shell {

namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;
constexpr int kViewColumnWidth = 476;
// Menu texts and paths of the command table are translated in this context.
constexpr const char* kCommandContext = "cmd";

QString CommandText(const char* text) { return QCoreApplication::translate(kCommandContext, text); }

}  // namespace

// What a command does and when its item is enabled and checked; commands
// missing here (copy, cut, paste) have no handler and stay disabled.
struct CMainFrame::Handler {
  int id;
  void (CMainFrame::*run)();
  bool (*enabled)(const CMainFrame&);
  bool (*checked)(const CMainFrame&);
};

namespace {
bool Always(const CMainFrame&) { return true; }
bool Never(const CMainFrame&) { return false; }
}  // namespace

const CMainFrame::Handler* CMainFrame::FindHandler(int id) {
  using F = CMainFrame;
  static const Handler kHandlers[] = {
      {cmd::kInitialState, &F::OnInitialState, Always, Never},
      // Session files, options, about and help arrive with their own forms.
      {cmd::kFileNew, &F::OnFileNew, Always, Never},
      {cmd::kFileOpen, &F::OnFileOpen, Always, Never},
      {cmd::kFileSave, &F::OnFileSave, Always, Never},
      {cmd::kFileSaveAs, &F::OnFileSaveAs, Always, Never},
      {cmd::kAppExit, nullptr, Always, Never},
      {cmd::kEditUndo, &F::OnEditUndo,
       [](const F& f) { return f.view_->Cube().MoveCount() > 0; }, Never},
      {cmd::kEditRedo, &F::OnEditRedo, [](const F& f) { return f.view_->Cube().CanRedo(); }, Never},
      {cmd::kSlowScramble, &F::OnSlowScramble, Always, Never},
      {cmd::kFastScramble, &F::OnFastScramble, Always, Never},
      {cmd::kRandomStateScramble, &F::OnRandomStateScramble,
       [](const F& f) {
         return orchestration::OffersRandomStateScramble(f.view_->Cube().Order()) &&
                !f.scrambles_->RandomStateRunning();
       },
       Never},
      {cmd::kCopyStandardSolution, &F::OnCopyStandardSolution,
       [](const F& f) { return !f.logForm_->Log().MovesFromCursor().empty(); }, Never},
      {cmd::kOptions, &F::OnOptions, Always, Never},
      {cmd::kProjectionView, &F::OnProjectionView,
       [](const F& f) { return f.view_->Cube().Order() == 3; },
       [](const F& f) { return f.projection_; }},
      {cmd::kSunlight, &F::OnSunlight, Always, [](const F& f) { return f.sunlight_; }},
      {cmd::kSmoothEdges, &F::OnSmoothEdges, Always, [](const F& f) { return f.view_->SmoothEdges(); }},
      {cmd::kPaneSolver, &F::OnToggleSolverPane, Always,
       [](const F& f) { return !f.solverPane_->isHidden(); }},
      {cmd::kPaneLog, &F::OnToggleLogPane, Always,
       [](const F& f) { return !f.logPane_->isHidden(); }},
      {cmd::kBackgroundNone, &F::OnBackgroundNone, Always,
       [](const F&) { return !view::gAppearance.background; }},
      {cmd::kBackgroundCustom, &F::OnBackgroundCustom, Always, Never},
      {cmd::kAppAbout, &F::OnAppAbout, Always, Never},
      {cmd::kHelp, &F::OnHelp, Always, Never},
      {cmd::kPrevPane, &F::OnPrevPane, Always, Never},
  };
  for (const Handler& h : kHandlers)
    if (h.id == id) return &h;
  return nullptr;
}

CMainFrame::CMainFrame(CRubikDoc& doc, QWidget* parent) : QMainWindow(parent), doc_(doc) {
  setWindowIcon(AppIcon());
  CreatePanes();
  HookUpLogForm();
  CreateMenus();
  CreateStatusBar();
  // Opens at 800 × 600, its smallest size; the 3D view takes any extra room.
  setMinimumSize(kClientWidth, kClientHeight);
  resize(kClientWidth, kClientHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  connect(&doc_, &CRubikDoc::titleChanged, this, &CMainFrame::UpdateTitle);
  connect(view_, &view::CRubikView::documentModified, this, [this] { doc_.SetModifiedFlag(true); });
  // The counter and the menu states follow the model whenever the program is idle.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &CMainFrame::UpdateCommandUi);
  AttachDocument();
  UpdateTitle();
  UpdateCommandUi();
}

void CMainFrame::AttachDocument() {
  doc_.Attach(this);
  InstallRecentFileMenu(Menu(QString::fromUtf8(cmd::kGameMenu)), Action(cmd::kAppExit), doc_);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreatePanes() {
  outer_ = new QSplitter(Qt::Horizontal, this);
  inner_ = new QSplitter(Qt::Vertical, outer_);
  view_ = new view::CRubikView(inner_);
  logForm_ = CreateMoveLogPane(inner_, *view_);
  logPane_ = logForm_;
  solverForm_ = CreateSolverPane(outer_, *this);
  solverPane_ = solverForm_;
  inner_->addWidget(view_);
  inner_->addWidget(logPane_);
  outer_->addWidget(inner_);
  outer_->addWidget(solverPane_);
  for (QSplitter* s : {outer_, inner_}) s->setChildrenCollapsible(false);
  // A larger window widens and heightens the 3D view; the solving column and
  // the log row keep their sizes.
  outer_->setStretchFactor(0, 1);
  outer_->setStretchFactor(1, 0);
  inner_->setStretchFactor(0, 1);
  inner_->setStretchFactor(1, 0);
  setCentralWidget(outer_);
  view_->setFocus();
}

// The log form follows new games; the scrambles empty its log.
void CMainFrame::HookUpLogForm() {
  connect(this, &CMainFrame::newGameStarted, logForm_, &COpLogForm::OnNewGame);
  scrambles_ = new ScrambleCommands(*view_, *logForm_, this);
  solverForm_->FollowScrambles();
}

// The first layout: the designed sizes at 800 × 600, or the pane sizes the
// user left last time. Later resizes go to the 3D view (stretch factors).
void CMainFrame::ApplyPaneSizes() {
  const QSize client = centralWidget()->size();
  const int w = client.width(), h = client.height();
  if (w <= 0 || h <= 0) return;
  // Rows of 4H/5 − 36 and H/5 + 36 for the H of the 800 × 600 window; the
  // rounding remainder and the handle go to the log row.
  const int designedH = h - (height() - kClientHeight);
  const int designedLog = designedH - (4 * designedH / 5 - 36) - inner_->handleWidth();
  const int designedSolver = kClientWidth - kViewColumnWidth - outer_->handleWidth();
  const int logHeight = std::clamp(storedLogHeight_ > 0 ? storedLogHeight_ : designedLog, 1, h / 2);
  const int solverWidth = std::clamp(storedSolverWidth_ > 0 ? storedSolverWidth_ : designedSolver, 1, w / 2);
  inner_->setSizes({h - logHeight - inner_->handleWidth(), logHeight});
  outer_->setSizes({w - solverWidth - outer_->handleWidth(), solverWidth});
  splittersReady_ = true;
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!splittersReady_) {
    if (layout()) layout()->activate();
    ApplyPaneSizes();
  }
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  UpdateSizeGrip();
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) UpdateSizeGrip();
}

// A window that cannot be resized (fixed, maximised, full screen) shows no size grip.
void CMainFrame::UpdateSizeGrip() {
  statusBar()->setSizeGripEnabled(minimumSize() != maximumSize() && !isMaximized() && !isFullScreen());
}

WindowLayout CMainFrame::Layout() const {
  WindowLayout l;
  const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
  l.width = normal.width();
  l.height = normal.height();
  l.maximised = isMaximized();
  l.solverWidth = PaneSize(solverPane_, outer_, outerSizes_);
  l.logHeight = PaneSize(logPane_, inner_, innerSizes_);
  return l;
}

// A hidden pane's size is the one it comes back with.
int CMainFrame::PaneSize(const QWidget* pane, const QSplitter* splitter, const QList<int>& remembered) {
  if (!pane->isHidden()) return splitter->sizes().value(1);
  return remembered.value(1);
}

void CMainFrame::ApplyLayout(const WindowLayout& l) {
  if (l.width > 0 && l.height > 0) {
    resize(std::max(l.width, kClientWidth), std::max(l.height, kClientHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      move(screen->availableGeometry().center() - rect().center());
  }
  storedSolverWidth_ = l.solverWidth;
  storedLogHeight_ = l.logHeight;
  if (l.smoothEdges >= 0) view_->SetSmoothEdges(l.smoothEdges != 0);
  if (splittersReady_) ApplyPaneSizes();
  if (l.maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::CreateMenus() {
  for (const cmd::CommandSpec& c : cmd::Commands()) {
    QMenu* menu = nullptr;
    const QString path = QString::fromUtf8(c.menu);
    if (!path.isEmpty()) {
      QString sofar;
      for (const QString& part : path.split('/')) {
        const QString parentPath = sofar;
        sofar = sofar.isEmpty() ? part : sofar + '/' + part;
        if (!menus_.contains(sofar)) {
          // Menus are found by their Chinese paths; the title is the translated path's last level.
          const QString title = CommandText(sofar.toUtf8().constData()).section('/', -1);
          QMenu* created = parentPath.isEmpty() ? menuBar()->addMenu(title)
                                                : menus_.value(parentPath)->addMenu(title);
          menus_.insert(sofar, created);
          connect(created, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
        }
      }
      menu = menus_.value(path);
    }
    if (c.id == 0) {
      if (menu) menu->addSeparator();
      continue;
    }
    auto* action = new QAction(CommandText(c.text), this);
    action->setObjectName(QStringLiteral("command%1").arg(c.id));
    action->setData(c.id);
    action->setCheckable(c.checkable);
    action->setStatusTip(*c.prompt ? CommandText(c.prompt) : QString());
    // The eight themes are one exclusive choice: radio marks.
    if (cmd::ThemeOfCommand(c.id) >= 0) {
      if (!themeGroup_) themeGroup_ = new QActionGroup(this);
      themeGroup_->addAction(action);
    }
    QList<QKeySequence> keys;
    for (const char* k : c.keys)
      if (k) keys.append(QKeySequence(QString::fromLatin1(k)));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    const int id = c.id;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    if (menu)
      menu->addAction(action);
    else
      addAction(action);  // keys only
    actions_.insert(id, action);
  }
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  capsPane_ = new QLabel(bar);
  capsPane_->setObjectName("capsLockPane");
  capsPane_->setMinimumWidth(capsPane_->fontMetrics().horizontalAdvance(CapsLockText()) + 8);
  hintPane_ = new QLabel(tr("滑动鼠标左键转动魔方，滑动右键翻动魔方，滚动滑轮缩放魔方"), bar);
  hintPane_->setObjectName("hintPane");
  counterPane_ = new QLabel(bar);
  counterPane_->setObjectName("moveCounterPane");
  counterPane_->setMinimumWidth(
      counterPane_->fontMetrics().horizontalAdvance(CounterText(QStringLiteral("XXXXXXX"))) + 8);
  messagePane_ = new QLabel(bar);
  messagePane_->setObjectName("messagePane");
  for (QLabel* pane : {capsPane_, hintPane_, counterPane_, messagePane_}) {
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
  }
  bar->addWidget(capsPane_);
  bar->addWidget(hintPane_);
  bar->addWidget(counterPane_);
  bar->addWidget(messagePane_, 1);
}

bool CMainFrame::event(QEvent* event) {
  // Menu prompts go to the message pane (the last one), not over the other panes.
  if (event->type() == QEvent::StatusTip) {
    messagePane_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void CMainFrame::UpdateTitle() {
  setWindowTitle(doc_.Title() + " - " + tr("Rovan魔方求解"));
}

QString CMainFrame::CapsLockText() { return tr("大写"); }
QString CMainFrame::CounterText(const QString& count) { return tr("游戏步数 = %1").arg(count); }

bool CMainFrame::CommandEnabled(int id) const {
  if (cmd::NewGameOrder(id) || cmd::ThemeOfCommand(id) >= 0) return true;
  const Handler* h = FindHandler(id);
  return h && h->enabled(*this);
}

bool CMainFrame::CommandChecked(int id) const {
  const int theme = cmd::ThemeOfCommand(id);
  if (theme >= 0) return theme == theme_;
  const Handler* h = FindHandler(id);
  return h && h->checked(*this);
}

void CMainFrame::UpdateCommandUi() {
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
    it.value()->setEnabled(CommandEnabled(it.key()));
    if (it.value()->isCheckable()) it.value()->setChecked(CommandChecked(it.key()));
  }
  counterPane_->setText(CounterText(QString::number(view_->Cube().MoveCount())));
  capsPane_->setText(IsCapsLockOn() ? CapsLockText() : QString());
}

void CMainFrame::RunCommand(int id) {
  if (!CommandEnabled(id)) return;
  if (const int order = cmd::NewGameOrder(id)) {
    OnNewGame(order);
  } else if (const int theme = cmd::ThemeOfCommand(id); theme >= 0) {
    OnTheme(theme);
  } else if (id == cmd::kAppExit) {
    close();
  } else if (const Handler* h = FindHandler(id); h && h->run) {
    (this->*(h->run))();
  }
  UpdateCommandUi();
}

// --- Commands -------------------------------------------------------------

void CMainFrame::OnNewGame(int order) {
  view_->ShowView(order, projection_);
  view_->ResetTrackball();
  view_->Cube().Init();
  view_->Redraw();
  emit newGameStarted(order);
}

void CMainFrame::OnInitialState() {
  view_->ResetTrackball();
  view_->Cube().Init();
  view_->Redraw();
}

void CMainFrame::OnFileNew() { doc_.OnFileNew(); }
void CMainFrame::OnFileOpen() { doc_.OnFileOpen(); }
void CMainFrame::OnFileSave() { doc_.OnFileSave(); }
void CMainFrame::OnFileSaveAs() { doc_.OnFileSaveAs(); }

void CMainFrame::OnEditUndo() {
  view_->Cube().UndoLast();
  view_->Redraw();
}

void CMainFrame::OnEditRedo() {
  view_->Cube().RedoNext();
  view_->Redraw();
}

void CMainFrame::OnSlowScramble() { scrambles_->SlowScramble(); }
void CMainFrame::OnFastScramble() { scrambles_->FastScramble(); }
void CMainFrame::OnRandomStateScramble() { scrambles_->RandomStateScramble(); }

void CMainFrame::OnCopyStandardSolution() {
  const std::string text = model::ToStandardText(view_->Cube().Order(), logForm_->Log().MovesFromCursor());
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}
void CMainFrame::OnOptions() {
  CPreferencesDlg dialog(this);  // writes the store when it goes out of scope
  dialog.exec();
}

void CMainFrame::OnTheme(int theme) {
  theme_ = theme;
  view_->ChooseTheme(theme);
}

void CMainFrame::OnProjectionView() {
  if (view_->Cube().Order() != 3) return;
  projection_ = !projection_;
  view::gAppearance.projection = projection_;
  view_->ApplyProjectionCamera(projection_);
  view_->Redraw();
}

void CMainFrame::OnSunlight() {
  sunlight_ = !sunlight_;
  view_->SetSunlight(sunlight_);
}

void CMainFrame::OnSmoothEdges() {
  view_->SetSmoothEdges(!view_->SmoothEdges());
  SaveSmoothEdges(view_->SmoothEdges());
}

// The pane comes back at its own size; the 3D view gives up the room, which
// may have changed meanwhile with the window's size.
void CMainFrame::TogglePane(QWidget* pane, QSplitter* splitter, QList<int>& remembered) {
  if (!pane->isHidden()) {
    remembered = splitter->sizes();
    pane->hide();
  } else {
    const int total = splitter->sizes().value(0);
    pane->show();
    if (remembered.size() == 2) {
      const int own = std::min(remembered[1], std::max(total - splitter->handleWidth() - 1, 1));
      splitter->setSizes({total - own - splitter->handleWidth(), own});
    }
  }
}

void CMainFrame::OnToggleSolverPane() { TogglePane(solverPane_, outer_, outerSizes_); }
void CMainFrame::OnToggleLogPane() { TogglePane(logPane_, inner_, innerSizes_); }

void CMainFrame::OnBackgroundNone() {
  view::gAppearance.background = !view::gAppearance.background;
  view_->Redraw();
}

void CMainFrame::OnBackgroundCustom() {
  const QString path = QFileDialog::getOpenFileName(
      this, tr("打开图形文件"), QString(),
      tr("图形文件 (.bmp.gif.jpg.tga) (*.bmp *.jpg *.tga *.gif);;BMP (*.bmp) (*.bmp);;"
         "GIF (*.gif) (*.gif);;JPG (*.jpg) (*.jpg);;TGA (*.tga) (*.tga);;所有文件 (*.*) (*)"));
  if (path.isEmpty()) return;
  view_->LoadBackgroundFile(path);
}

void CMainFrame::OnAppAbout() {
  CAboutDlg dialog(this);
  dialog.exec();
}

void CMainFrame::OnHelp() {
  CDlgHelp dialog(this);
  dialog.exec();
}

void CMainFrame::OnPrevPane() {
  QList<QWidget*> panes;
  for (QWidget* w : {static_cast<QWidget*>(view_), logPane_, solverPane_})
    if (!w->isHidden()) panes.append(w);
  int current = 0;
  for (int i = 0; i < panes.size(); ++i)
    if (panes[i]->isAncestorOf(focusWidget()) || panes[i] == focusWidget()) current = i;
  QWidget* target = panes[(current + panes.size() - 1) % panes.size()];
  target->setFocus(Qt::OtherFocusReason);
}

// --- Close ----------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
  model::WCube& cube = view_->Cube();
  if (!cube.abortAnimation) {
    // First pass: stop running work, then ask again once it has unwound.
    view_->stopFlag = 1;
    cube.abortAnimation = 1;
    emit stopRequested();
    QTimer::singleShot(0, this, &QWidget::close);
    event->ignore();
    return;
  }
  doc_.SetModifiedFlag(false);  // the program never asks to save on exit
  event->accept();
}

}  // namespace shell
