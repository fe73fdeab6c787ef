#include "shell/CMainFrame.h"

#include <QAbstractEventDispatcher>
#include <QAction>
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
#include "shell/RecentFileMenu.h"
#include "view/Appearance.h"
#include "view/CRubikView.h"

namespace shell {

namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;
constexpr int kViewColumnWidth = 476;
constexpr const char* kWindowTitle = "Rovan魔方求解";
constexpr const char* kHintText = "滑动鼠标左键转动魔方，滑动右键翻动魔方，滚动滑轮缩放魔方";
constexpr const char* kCounterFormat = "游戏步数 = %1";

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
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  CreatePanes();
  HookUpLogForm();
  CreateMenus();
  CreateStatusBar();
  setFixedSize(kClientWidth, kClientHeight);
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
  InstallRecentFileMenu(Menu(QStringLiteral("游戏")), Action(cmd::kAppExit), doc_);
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
  outer_->setStretchFactor(0, 1);
  outer_->setStretchFactor(1, 0);
  setCentralWidget(outer_);
  view_->setFocus();
}

// The log form follows new games; the scrambles empty its log.
void CMainFrame::HookUpLogForm() {
  connect(this, &CMainFrame::newGameStarted, logForm_, &COpLogForm::OnNewGame);
  scrambles_ = new ScrambleCommands(*view_, *logForm_, this);
  solverForm_->FollowScrambles();
}

void CMainFrame::ApplyPaneSizes() {
  const QSize client = centralWidget()->size();
  const int w = client.width(), h = client.height();
  if (w <= 0 || h <= 0) return;
  if (!splittersReady_) {
    // Rows of 4H/5 − 36 and H/5 + 36; the rounding remainder and the handle go to the log row.
    const int viewHeight = 4 * h / 5 - 36;
    inner_->setSizes({viewHeight, h - viewHeight - inner_->handleWidth()});
    splittersReady_ = true;
  }
  // The view column keeps its ideal width; the solving column takes the rest.
  if (!solverPane_->isHidden())
    outer_->setSizes({kViewColumnWidth, w - kViewColumnWidth - outer_->handleWidth()});
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
  if (splittersReady_) ApplyPaneSizes();
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
          QMenu* created = parentPath.isEmpty() ? menuBar()->addMenu(part)
                                                : menus_.value(parentPath)->addMenu(part);
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
    auto* action = new QAction(QString::fromUtf8(c.text), this);
    action->setObjectName(QStringLiteral("command%1").arg(c.id));
    action->setData(c.id);
    action->setCheckable(c.checkable);
    action->setStatusTip(QString::fromUtf8(c.prompt));
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
  capsPane_->setMinimumWidth(capsPane_->fontMetrics().horizontalAdvance(QStringLiteral("大写")) + 8);
  hintPane_ = new QLabel(QString::fromUtf8(kHintText), bar);
  hintPane_->setObjectName("hintPane");
  counterPane_ = new QLabel(bar);
  counterPane_->setObjectName("moveCounterPane");
  counterPane_->setMinimumWidth(
      counterPane_->fontMetrics().horizontalAdvance(QString(kCounterFormat).arg("XXXXXXX")) + 8);
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
  setWindowTitle(doc_.Title() + " - " + QString::fromUtf8(kWindowTitle));
}

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
  counterPane_->setText(QString(kCounterFormat).arg(view_->Cube().MoveCount()));
  capsPane_->setText(IsCapsLockOn() ? QStringLiteral("大写") : QString());
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

void CMainFrame::TogglePane(QWidget* pane, QSplitter* splitter, QList<int>& remembered) {
  if (!pane->isHidden()) {
    remembered = splitter->sizes();
    pane->hide();
  } else {
    pane->show();
    if (!remembered.isEmpty()) splitter->setSizes(remembered);
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
      this, QStringLiteral("打开图形文件"), QString(),
      QStringLiteral("图形文件 (.bmp.gif.jpg.tga) (*.bmp *.jpg *.tga *.gif);;BMP (*.bmp) (*.bmp);;"
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
