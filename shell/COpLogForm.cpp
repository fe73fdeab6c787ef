#include "shell/COpLogForm.h"

#include <algorithm>

#include "model/MoveLog.h"
#include "settings/Settings.h"
#include "shell/CButtonST.h"
#include "shell/CCharSetCtrl.h"
#include "shell/Texts.h"
#include "view/CRubikView.h"

namespace shell {

using movelog::Demo;
using movelog::WholeRotation;

namespace {
constexpr int kZAxis = 2;
// Window timers never fire faster than this; an interval of 0 would spin.
constexpr int kMinTimerMs = 10;
}  // namespace

// One button of the row: its caption, tooltip and how much lighter it turns
// under the pointer; rotation buttons name their rotation, the others their handler.
struct COpLogForm::ButtonSpec {
  int id;
  const char* caption;  // null: set by the demonstration state
  const char* tooltip;
  int hoverOffset;
  int rotation;                  // a WholeRotation, or −1
  void (COpLogForm::*press)();  // for the playback buttons
};

const std::array<COpLogForm::ButtonSpec, COpLogForm::kButtonCount>& COpLogForm::Buttons() {
  using F = COpLogForm;
  static const std::array<ButtonSpec, kButtonCount> buttons = {{
      {kRotateX, "x", QT_TR_NOOP("X轴----整个魔方绕X轴顺时针旋转90度"), 90, int(WholeRotation::X), nullptr},
      {kRotateX2, "x2", QT_TR_NOOP("X轴----整个魔方绕X轴顺时针旋转180°"), 30, int(WholeRotation::X2), nullptr},
      {kRotateXPrime, "x'", QT_TR_NOOP("X轴----整个魔方绕X轴逆时针旋转90°"), 30, int(WholeRotation::XPrime), nullptr},
      {kRotateY, "y", QT_TR_NOOP("Y轴----整个魔方绕Y轴顺时针旋转90°"), 30, int(WholeRotation::Y), nullptr},
      {kRotateY2, "y2", QT_TR_NOOP("Y轴----整个魔方绕Y轴顺时针旋转180°"), 30, int(WholeRotation::Y2), nullptr},
      {kRotateYPrime, "y'", QT_TR_NOOP("Y轴----整个魔方绕Y轴逆时针旋转90°"), 30, int(WholeRotation::YPrime), nullptr},
      {kRotateZ, "z", QT_TR_NOOP("Z轴----整个魔方绕Z轴顺时针旋转90°"), 30, int(WholeRotation::Z), nullptr},
      {kRotateZ2, "z2", QT_TR_NOOP("Z轴----整个魔方绕Z轴顺时针旋转180°"), 30, int(WholeRotation::Z2), nullptr},
      {kRotateZPrime, "z'", QT_TR_NOOP("Z轴----整个魔方绕Z轴逆时针旋转90°"), 30, int(WholeRotation::ZPrime), nullptr},
      {kJumpToStart, "|<", QT_TR_NOOP("后退到起点"), 130, -1, &F::OnJumpToStart},
      {kStepBack, "<", QT_TR_NOOP("后退一步"), 130, -1, &F::OnStepBack},
      {kStepForward, ">", QT_TR_NOOP("前进一步"), 130, -1, &F::OnStepForward},
      {kJumpToEnd, ">|", QT_TR_NOOP("前进到终点"), 130, -1, &F::OnJumpToEnd},
      {kReverseDemo, nullptr, nullptr, 130, -1, &F::OnReverseDemo},
      {kForwardDemo, nullptr, nullptr, 130, -1, &F::OnForwardDemo},
  }};
  return buttons;
}

std::array<int, COpLogForm::kButtonCount> COpLogForm::ButtonIds() {
  std::array<int, kButtonCount> ids{};
  for (int i = 0; i < kButtonCount; ++i) ids[i] = Buttons()[i].id;
  return ids;
}

COpLogForm::COpLogForm(view::CRubikView& view, QWidget* parent) : QWidget(parent), view_(view) {
  setObjectName(QStringLiteral("moveLogPane"));
  strip_ = new CCharSetCtrl(this);
  CreateButtons();
  // The posted step: played after the handler that moved the cursor has
  // returned, in posting order.
  connect(strip_, &CCharSetCtrl::stepPosted, this, &COpLogForm::PlayPostedStep, Qt::QueuedConnection);
  connect(&forwardTimer_, &QTimer::timeout, this, [this] { OnDemoTimer(Demo::Forward); });
  connect(&reverseTimer_, &QTimer::timeout, this, [this] { OnDemoTimer(Demo::Reverse); });
  SyncDemos();
  LayOut();
}

COpLogForm::~COpLogForm() = default;

void COpLogForm::CreateButtons() {
  for (int i = 0; i < kButtonCount; ++i) {
    const ButtonSpec& spec = Buttons()[i];
    auto* button = new CButtonST(spec.caption ? QString::fromUtf8(spec.caption) : QString(), this);
    button->setObjectName(QStringLiteral("button%1").arg(spec.id));
    button->OffsetColor(CButtonST::kBkIn, spec.hoverOffset, false);
    button->EnableBalloonTooltip();
    if (spec.tooltip) button->SetTooltipText(tr(spec.tooltip));
    const int id = spec.id;
    connect(button, &QPushButton::clicked, this, [this, id] { PressButton(id); });
    buttons_[i] = button;
  }
}

CButtonST* COpLogForm::Button(int id) const {
  for (int i = 0; i < kButtonCount; ++i)
    if (Buttons()[i].id == id) return buttons_[i];
  return nullptr;
}

const movelog::MoveLog& COpLogForm::Log() const { return strip_->Log(); }

void COpLogForm::resizeEvent(QResizeEvent*) { LayOut(); }

// The buttons share the top row evenly; the strip takes the rest, full width.
void COpLogForm::LayOut() {
  const int w = width();
  for (int i = 0; i < kButtonCount; ++i) {
    const int left = w * i / kButtonCount;
    const int right = w * (i + 1) / kButtonCount;
    buttons_[i]->setGeometry(left, 1, right - left, kButtonRowHeight - 2);
  }
  strip_->setGeometry(0, kButtonRowHeight, w, std::max(0, height() - kButtonRowHeight));
}

void COpLogForm::PressButton(int id) {
  for (const ButtonSpec& spec : Buttons()) {
    if (spec.id != id) continue;
    if (spec.rotation >= 0)
      OnRotationButton(static_cast<WholeRotation>(spec.rotation));
    else
      (this->*spec.press)();
    return;
  }
}

// --- Loading --------------------------------------------------------------

bool COpLogForm::LoadSequence(const std::vector<std::string>& tokens) {
  if (!strip_->Log().LoadSequence(tokens)) return false;
  strip_->update();
  strip_->setFocus(Qt::OtherFocusReason);
  return true;
}

void COpLogForm::ClearLog() {
  strip_->Log().ClearLog();
  strip_->update();
  update();
}

void COpLogForm::OnNewGame(int) { ClearLog(); }

void COpLogForm::StopDemonstration() {
  if (demo_.running(Demo::Reverse)) PressButton(kReverseDemo);
  if (demo_.running(Demo::Forward)) PressButton(kForwardDemo);
}

// --- Rotations ------------------------------------------------------------

void COpLogForm::Rotate(WholeRotation rotation) {
  view_.ApplyCommand(movelog::RotationToken(rotation), 1, 0, 1);
  strip_->Log().Relabel(rotation, view_.Cube().Order());
  strip_->update();
}

void COpLogForm::RelabelX2() {
  strip_->Log().RelabelX2(view_.Cube().Order());
  strip_->update();
}

void COpLogForm::OnRotationButton(WholeRotation rotation) {
  Rotate(rotation);
  strip_->setFocus(Qt::OtherFocusReason);
  view_.update();
}

// --- Playback -------------------------------------------------------------

void COpLogForm::PlayPostedStep(int cell, int forwardMode) {
  view_.ApplyCommand(Log().PostedText({cell, forwardMode}), 1, 0, 1);
  view_.repaint();
}

void COpLogForm::OnStepForward() { strip_->PressStepForward(); }
void COpLogForm::OnStepBack() { strip_->PressStepBack(); }
void COpLogForm::OnJumpToEnd() { ApplyJump(strip_->JumpToEnd()); }
void COpLogForm::OnJumpToStart() { ApplyJump(strip_->JumpToStart()); }

// A jump turns at once, silently, and ends with one Z-axis sound.
void COpLogForm::ApplyJump(const movelog::MoveLog::Jump& jump) {
  if (!jump.done) return;
  for (const std::string& command : jump.commands) view_.ApplyCommand(command, 0, 0, 0);
  if (model::TurnPresenter* presenter = view_.Cube().Presenter()) presenter->PlayAxisSound(kZAxis);
  view_.update();
}

// --- Demonstrations -------------------------------------------------------

void COpLogForm::PressDemo(Demo demo) {
  if (Log().IsEmpty()) return;
  demo_.Press(demo);
  SyncDemos();
}

void COpLogForm::OnDemoTimer(Demo demo) {
  if (demo_.Tick(demo, Log())) {
    if (demo == Demo::Forward)
      OnStepForward();
    else
      OnStepBack();
  }
  SyncDemos();
}

void COpLogForm::SyncDemos() {
  for (const Demo demo : {Demo::Forward, Demo::Reverse}) {
    const bool running = demo_.running(demo);
    const movelog::DemoButtonLook look = movelog::DemoLook(demo, running);
    CButtonST* button = Button(demo == Demo::Forward ? kForwardDemo : kReverseDemo);
    button->setText(QString::fromUtf8(look.caption));
    button->SetTooltipText(CoreText("movelog", look.tooltip));
    QTimer& timer = demo == Demo::Forward ? forwardTimer_ : reverseTimer_;
    // The interval is read when a demonstration starts.
    if (running && !timer.isActive())
      timer.start(std::max(settings::gSettings.maxInterval, kMinTimerMs));
    else if (!running)
      timer.stop();
  }
}

}  // namespace shell
