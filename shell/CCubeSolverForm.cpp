#include "shell/CCubeSolverForm.h"

#include <QApplication>
#include <QColorDialog>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include "input/Conversions.h"
#include "model/MoveLog.h"
#include "settings/Settings.h"
#include "shell/CCubeWnd.h"
#include "shell/CColorButton.h"
#include "shell/CColorStatic.h"
#include "shell/CMainFrame.h"
#include "shell/COpLogForm.h"
#include "shell/ScrambleCommands.h"
#include "shell/SettingsStore.h"
#include "shell/Texts.h"
#include "solvers/orchestration/SendBox.h"
#include "solvers/orchestration/SolveMessages.h"
#include "solvers/orchestration/SolveRunner.h"
#include "solvers/twophase/TwoPhaseController.h"
#include "solvers/twophase/TwoPhaseSolver.h"
#include "view/Appearance.h"
#include "view/CRubikView.h"

namespace shell {

namespace {
using orchestration::SolveOutcome;

constexpr const char* kToolCaptions[6] = {"U", "F", "R", "B", "L", "D"};
constexpr int kNumberedTheme = 1;
constexpr int kPollMs = 100;

struct ButtonEntry {
  int id;
  const char* caption;
  void (CCubeSolverForm::*run)();
};
const std::array<ButtonEntry, 8> kButtons{{
    {CCubeSolverForm::kApply, QT_TR_NOOP("应用"), &CCubeSolverForm::ApplyNet},
    {CCubeSolverForm::kCustomColour, QT_TR_NOOP("定制颜色"), &CCubeSolverForm::CustomColour},
    {CCubeSolverForm::kBeginner, QT_TR_NOOP("初级解法"), &CCubeSolverForm::Beginner},
    {CCubeSolverForm::kAdvanced, QT_TR_NOOP("高级解法"), &CCubeSolverForm::Advanced},
    {CCubeSolverForm::kTwoPhase, orchestration::kTwoPhaseIdleCaption, &CCubeSolverForm::ToggleTwoPhase},
    {CCubeSolverForm::kTakeResult, QT_TR_NOOP("启用"), &CCubeSolverForm::TakeResult},
    {CCubeSolverForm::kSend, QT_TR_NOOP("发送"), &CCubeSolverForm::Send},
    {CCubeSolverForm::kFastScramble, QT_TR_NOOP("高速乱转"), &CCubeSolverForm::FastScramble},
}};

// A button's caption: the two-phase captions are the core's, the others this form's.
QString CaptionText(const char* caption) {
  const bool core = caption == orchestration::kTwoPhaseIdleCaption;
  return core ? CoreText("orchestration", caption) : ShellText(caption);
}

// The cells between "??" and "@@" of a loaded solution.
std::vector<std::string> MovesOf(const orchestration::Cells& cells) {
  if (cells.size() < 2) return {};
  return {cells.begin() + 1, cells.end() - 1};
}

bool RotationOfToken(const std::string& token, movelog::WholeRotation& rotation) {
  for (int i = 0; i < movelog::kWholeRotationCount; ++i) {
    const auto r = static_cast<movelog::WholeRotation>(i);
    if (token == movelog::RotationToken(r)) {
      rotation = r;
      return true;
    }
  }
  return false;
}
}  // namespace

CCubeSolverForm::CCubeSolverForm(CMainFrame& frame, QWidget* parent)
    : QWidget(parent),
      frame_(frame),
      twoPhase_(std::make_unique<twophase::TwoPhaseController>(
          twophase::TableFileCandidates(QCoreApplication::applicationDirPath().toStdString()))) {
  setObjectName("solverPane");
  CreateControls();
  // Start-up: stored colours over the defaults, into tools, net and the cube's palette.
  toolColours_ = LoadFaceColours();
  for (int k = 0; k < 6; ++k) SetToolColour(k, toolColours_[k]);
  view::SetFaceColours({toolColours_[0], toolColours_[1], toolColours_[2], toolColours_[3],
                        toolColours_[4], toolColours_[5]});
  currentTool_ = 0;
  currentColour_ = toolColours_[0];
  swatch_->SetFillColor(ColourOfValue(currentColour_));
  Button(kTakeResult)->setEnabled(false);

  pollTimer_.setInterval(kPollMs);
  connect(&pollTimer_, &QTimer::timeout, this, &CCubeSolverForm::PollTwoPhase);
  connect(&frame_, &CMainFrame::newGameStarted, this, &CCubeSolverForm::OnNewGame);
  connect(&frame_, &CMainFrame::stopRequested, this, &CCubeSolverForm::OnStopRequested);
}

CCubeSolverForm::~CCubeSolverForm() = default;  // the controller stops and joins its threads

void CCubeSolverForm::FollowScrambles() {
  connect(frame_.Scrambles(), &ScrambleCommands::solveButtonsEnabled, this,
          [this](const shell::SolveButtons& b) { ApplySolveButtons({b.beginner, b.twoPhase, b.advanced}); });
}

void CCubeSolverForm::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);

  auto* step1 = new QGroupBox(tr("第一步：选用魔方涂色工具"), this);
  auto* grid1 = new QVBoxLayout(step1);
  auto* toolRow = new QHBoxLayout;
  for (int k = 0; k < 6; ++k) {
    tools_[k] = new CColorButton(QString::fromLatin1(kToolCaptions[k]), step1);
    tools_[k]->setObjectName(QStringLiteral("button%1").arg(kToolU + k));
    tools_[k]->setMinimumSize(30, 26);
    connect(tools_[k], &QPushButton::clicked, this, [this, k] { SelectTool(k); });
    toolRow->addWidget(tools_[k]);
  }
  grid1->addLayout(toolRow);
  auto* swatchRow = new QHBoxLayout;
  swatchRow->addWidget(new QLabel(tr("所选颜色"), step1));
  swatch_ = new CColorStatic(step1);
  swatch_->setObjectName(QStringLiteral("static%1").arg(kSwatch));
  swatch_->setMinimumSize(40, 22);
  swatchRow->addWidget(swatch_, 1);
  grid1->addLayout(swatchRow);
  layout->addWidget(step1);

  auto* step2 = new QGroupBox(tr("第二步：使用涂色工具对魔方平面图涂色"), this);
  auto* box2 = new QVBoxLayout(step2);
  net_ = new CCubeWnd(step2);
  net_->setMinimumSize(200, 150);
  box2->addWidget(net_, 1);
  layout->addWidget(step2, 1);

  auto* step3 = new QGroupBox(tr("第三步：应用当前涂色方案到魔方并求解"), this);
  auto* box3 = new QVBoxLayout(step3);
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    buttons_[i] = new QPushButton(CaptionText(kButtons[i].caption), step3);
    buttons_[i]->setObjectName(QStringLiteral("button%1").arg(kButtons[i].id));
    connect(buttons_[i], &QPushButton::clicked, this, kButtons[i].run);
  }
  auto row = [](std::initializer_list<QWidget*> widgets) {
    auto* h = new QHBoxLayout;
    for (QWidget* w : widgets) h->addWidget(w);
    return h;
  };
  // The custom colour belongs to the tools of step one.
  swatchRow->addWidget(Button(kCustomColour));
  box3->addLayout(row({Button(kApply), Button(kBeginner), Button(kAdvanced)}));
  box3->addLayout(row({Button(kTwoPhase), Button(kTakeResult), Button(kFastScramble)}));
  output_ = new QPlainTextEdit(step3);
  output_->setObjectName(QStringLiteral("edit%1").arg(kOutput));
  output_->setReadOnly(true);
  {
    QPalette p = output_->palette();
    p.setColor(QPalette::Base, ColourOfValue(0x00FFFFE0));
    p.setColor(QPalette::Text, ColourOfValue(0x00000AC0));
    output_->setPalette(p);
  }
  output_->setMinimumHeight(60);
  box3->addWidget(output_);
  auto* commands = new QGroupBox(tr("魔方命令"), step3);
  auto* commandRow = new QHBoxLayout(commands);
  commandBox_ = new QLineEdit(commands);
  commandBox_->setObjectName(QStringLiteral("edit%1").arg(kCommandBox));
  commandRow->addWidget(commandBox_, 1);
  commandRow->addWidget(Button(kSend));
  box3->addWidget(commands);
  layout->addWidget(step3);
}

QPushButton* CCubeSolverForm::Button(int id) const {
  if (id >= kToolU && id < kToolU + 6) return tools_[id - kToolU];
  for (std::size_t i = 0; i < kButtons.size(); ++i)
    if (kButtons[i].id == id) return buttons_[i];
  return nullptr;
}

void CCubeSolverForm::ShowMessage(const QString& text) {
  QMessageBox::information(this, ApplicationTitle(), text);
}

// --- Colour tools ------------------------------------------------------------

void CCubeSolverForm::SetToolColour(int k, std::uint32_t colour) {
  toolColours_[k] = colour;
  tools_[k]->SetColors(palette().color(QPalette::ButtonText), ColourOfValue(colour));
  net_->SetPaletteEntry(k + 1, colour);
}

void CCubeSolverForm::SelectTool(int k) {
  if (k < 0 || k > 5) return;
  currentColour_ = toolColours_[k];
  currentTool_ = k;
  net_->SetPaintIndex(k + 1);
  swatch_->SetFillColor(ColourOfValue(currentColour_));
  BuildToolCursor();
  setCursor(toolCursor_);
}

// A cross with a filled square, in the colour of the tool; black is transparent.
void CCubeSolverForm::BuildToolCursor() {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::black);
  {
    QPainter p(&image);
    p.setPen(ColourOfValue(0x007F7F7F));
    p.drawLine(7, 0, 7, 15);
    p.drawLine(0, 7, 15, 7);
    p.setBrush(ColourOfValue(currentColour_));
    p.drawRect(3, 3, 9, 9);
  }
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == 0) image.setPixel(x, y, 0);
  toolCursor_ = QCursor(QPixmap::fromImage(image), 3, 3);
  hasToolCursor_ = true;
}

void CCubeSolverForm::CustomColour() {
  if (frame_.Theme() == kNumberedTheme) {
    ShowMessage(CoreText("orchestration", orchestration::kMsgNumberedTheme));
    return;
  }
  const QColor chosen = QColorDialog::getColor(Qt::white, this);
  if (chosen.isValid()) CustomColour(ValueOfColour(chosen));
}

void CCubeSolverForm::CustomColour(std::uint32_t colour) {
  if (frame_.Theme() == kNumberedTheme) {
    ShowMessage(CoreText("orchestration", orchestration::kMsgNumberedTheme));
    return;
  }
  SetToolColour(currentTool_, colour);
  currentColour_ = colour;
  swatch_->SetFillColor(ColourOfValue(colour));
  update();
}

void CCubeSolverForm::ApplyNet() {
  view::SetFaceColours({toolColours_[0], toolColours_[1], toolColours_[2], toolColours_[3],
                        toolColours_[4], toolColours_[5]});
  view::CRubikView& view = *frame_.View();
  model::WCube& cube = view.Cube();
  if (cube.Order() >= 5) {
    ShowMessage(CoreText("orchestration", orchestration::kMsgNetOrder));
    view.update();
    return;
  }
  const std::string text = net_->ReadNet();
  cube.ImportColours(text);
  if (input::IsUniform(text)) cube.ImportStickerTurns(std::string(text.size(), '0'));
  view.repaint();
  SaveFaceColours(toolColours_);
  if (hasToolCursor_) {
    hasToolCursor_ = false;
    toolCursor_ = QCursor();
    unsetCursor();
    net_->SetPaintIndex(0);
  }
}

// --- Solving -------------------------------------------------------------------

void CCubeSolverForm::ApplySolveButtons(const orchestration::SolveButtons& b) {
  Button(kBeginner)->setEnabled(b.beginner);
  Button(kTwoPhase)->setEnabled(b.twoPhase);
  Button(kAdvanced)->setEnabled(b.advanced);
}

void CCubeSolverForm::OnNewGame(int order) {
  const orchestration::SolveButtons current{Button(kBeginner)->isEnabled(), Button(kTwoPhase)->isEnabled(),
                                            Button(kAdvanced)->isEnabled()};
  ApplySolveButtons(orchestration::ButtonsForNewOrder(order, current));
  net_->SetOrder(order);
  net_->ResetNet();
}

void CCubeSolverForm::TurnLog(const orchestration::Turns& turns) {
  movelog::WholeRotation rotation{};
  for (const std::string& t : turns)
    if (RotationOfToken(t, rotation)) frame_.LogForm()->Rotate(rotation);
}

bool CCubeSolverForm::LoadMoves(const std::vector<std::string>& moves) {
  if (frame_.LogForm()->LoadSequence(moves)) return true;
  ShowMessage(tr("解法共 %1 步，超出了操作记录的容量，无法载入。").arg(moves.size()));
  return false;
}

// The end of every load: cursor at the start (LoadSequence put it there), the
// log has the focus, everything redrawn, the turn count back to 0.
void CCubeSolverForm::FinishLoad() {
  view::CRubikView& view = *frame_.View();
  view.Cube().ClearHistory();
  view.update();
  frame_.LogForm()->update();
  frame_.UpdateCommandUi();
}

void CCubeSolverForm::Beginner() {
  const orchestration::SolveOptions options{settings::gSettings.primarySolution, settings::gSettings.minStep};
  ApplyOutcome(orchestration::RunBeginner(frame_.View()->Cube().ExportColours(), options));
}

void CCubeSolverForm::Advanced() {
  const orchestration::SolveOptions options{settings::gSettings.primarySolution, settings::gSettings.minStep};
  ApplyOutcome(orchestration::RunAdvanced(frame_.View()->Cube().ExportColours(), options, evenCounter_));
}

// Applies a solve's result in the order the runner gives: the cube's turns,
// then (when it loaded) the log, its x2 re-lettering and the log's turns.
void CCubeSolverForm::ApplyOutcome(const SolveOutcome& outcome) {
  view::CRubikView& view = *frame_.View();
  for (const std::string& t : outcome.cubeTurns) view.ApplyCommand(t, 1, 0, 1);
  if (!outcome.cubeTurns.empty()) view.update();
  switch (outcome.status) {
    case SolveOutcome::Status::kLoaded:
      break;
    case SolveOutcome::Status::kNotOffered:
      return;
    case SolveOutcome::Status::kNotBuilt:
      ShowMessage(tr("此解法不在本程序中。") + CoreText("orchestration", outcome.message));
      return;
    default:
      ShowMessage(CoreText("orchestration", outcome.message));
      return;
  }
  if (!LoadMoves(MovesOf(outcome.cells))) return;
  if (outcome.relabelX2) frame_.LogForm()->RelabelX2();
  TurnLog(outcome.logTurns);
  FinishLoad();
}

// --- The two-phase search ------------------------------------------------------

void CCubeSolverForm::SetTwoPhaseIdle() {
  twoPhaseRunning_ = false;
  Button(kTwoPhase)->setText(CoreText("orchestration", orchestration::kTwoPhaseIdleCaption));
  twoPhase_->Stop();
}

void CCubeSolverForm::ToggleTwoPhase() {
  const model::WCube& cube = frame_.View()->Cube();
  const std::string colours = cube.ExportColours();
  // Only a start takes the cube: the result belongs to the state the search began on.
  const bool uniform = !twoPhaseRunning_ && input::IsUniform(colours);
  switch (orchestration::TwoPhaseToggle(cube.Order(), uniform, twoPhaseRunning_,
                                        twoPhase_->IsSecondSearchRunning(), twoPhase_->TablesReady())) {
    case orchestration::TwoPhaseAction::kRefuseHighOrder:
      ShowMessage(CoreText("orchestration", orchestration::kMsgHighOrder));
      return;
    case orchestration::TwoPhaseAction::kNothing:
    case orchestration::TwoPhaseAction::kIgnore:
      return;
    case orchestration::TwoPhaseAction::kStop:
      SetTwoPhaseIdle();
      return;
    case orchestration::TwoPhaseAction::kStart:
      break;
  }
  if (cube.Order() != 3) return;  // the button is enabled at order 3 only
  savedColours_ = colours;
  savedStickerTurns_ = cube.ExportStickerTurns();
  twoPhaseRunning_ = true;
  Button(kTwoPhase)->setText(CoreText("orchestration", orchestration::kTwoPhaseRunningCaption));
  Button(kTakeResult)->setEnabled(true);
  frame_.LogForm()->StopDemonstration();
  twoPhase_->Start(savedColours_);
  pollTimer_.start();
}

void CCubeSolverForm::PollTwoPhase() { ShowTwoPhaseState(twoPhase_->Snapshot()); }

void CCubeSolverForm::ShowTwoPhaseState(const twophase::TwoPhaseController::State& state) {
  if (state.revision != shownRevision_) {
    shownRevision_ = state.revision;
    output_->setPlainText(CoreText("twophase", state.text));
  }
  if (!state.running) pollTimer_.stop();
}

bool CCubeSolverForm::TwoPhaseHasSolution() const { return twoPhase_->Snapshot().hasSolution; }

void CCubeSolverForm::TakeResult() {
  // The search is stopped, not waited for: the best solution so far is kept
  // by the controller, and the form's thread never blocks.
  if (twoPhaseRunning_) SetTwoPhaseIdle();
  Button(kTakeResult)->setEnabled(false);
  // One snapshot both fills the box and gives the moves, so the two agree.
  const twophase::TwoPhaseController::State state = twoPhase_->Snapshot();
  ShowTwoPhaseState(state);
  if (!state.hasSolution) {
    ShowMessage(tr("尚未找到解法，操作记录保持不变。"));
    return;
  }
  frame_.LogForm()->StopDemonstration();
  model::WCube& cube = frame_.View()->Cube();
  cube.ImportColours(savedColours_);
  cube.ImportStickerTurns(savedStickerTurns_);
  const auto turns = twophase::ResultTurns(QRandomGenerator::global()->generate());
  TurnLog({turns[0], turns[1]});
  frame_.View()->update();
  if (!LoadMoves(state.bestMoves)) return;
  FinishLoad();
}

void CCubeSolverForm::OnStopRequested() {
  if (twoPhaseRunning_) SetTwoPhaseIdle();
  twoPhase_->Stop();
  pollTimer_.stop();
}

// --- Command box and fast scramble -------------------------------------------------

void CCubeSolverForm::Send() {
  const std::string text = commandBox_->text().toStdString();
  const auto cells = orchestration::ReadSendText(text, frame_.View()->Cube().Order());
  if (!cells) {
    ShowMessage(CoreText("orchestration", orchestration::kMsgBadCommand));
    return;
  }
  frame_.LogForm()->StopDemonstration();
  LoadMoves(*cells);
}

void CCubeSolverForm::FastScramble() {
  frame_.Scrambles()->SolverFastScramble();
  frame_.View()->update();
  frame_.UpdateCommandUi();
}

}  // namespace shell
