#pragma once
// The move-log form under the 3D view: a row of fifteen buttons (nine whole-cube
// rotations, the jumps, the steps and the two timed demonstrations) above the
// command strip that holds the log. Playing a cell turns the 3D view's cube
// without recording it; the turn history and the log never touch each other.
#include <QTimer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "model/MoveLog.h"

namespace view {
class CRubikView;
}

namespace shell {

class CButtonST;
class CCharSetCtrl;

class COpLogForm : public QWidget {
  Q_OBJECT

 public:
  // The buttons, by their numbers in the form's layout.
  enum ButtonId {
    kRotateX = 1005, kRotateX2 = 1081, kRotateXPrime = 1007,
    kRotateY = 1008, kRotateY2 = 1009, kRotateYPrime = 1010,
    kRotateZ = 1012, kRotateZ2 = 1013, kRotateZPrime = 1014,
    kJumpToStart = 1015, kStepBack = 1016, kStepForward = 1017, kJumpToEnd = 1018,
    kReverseDemo = 1019, kForwardDemo = 1020,
  };
  static constexpr int kButtonCount = 15;
  static constexpr int kButtonRowHeight = 23;  // the strip starts this far below the top

  COpLogForm(view::CRubikView& view, QWidget* parent = nullptr);
  ~COpLogForm() override;

  CCharSetCtrl* Strip() const { return strip_; }
  const movelog::MoveLog& Log() const;
  CButtonST* Button(int id) const;
  bool DemoRunning(movelog::Demo demo) const { return demo_.running(demo); }
  // The ids of the buttons, left to right.
  static std::array<int, kButtonCount> ButtonIds();

  // --- For the solving form and the scrambles ---
  // Replaces the log by the tokens between a start and an end marker, cursor at
  // the start, and gives the strip the focus. The cube is not turned. More moves
  // than the log holds (movelog::kMaxMoves) are refused: false, nothing changes,
  // and the caller tells the user.
  bool LoadSequence(const std::vector<std::string>& tokens);
  // Empties the first page of the log and repaints it; the cursor stays.
  void ClearLog();
  // Presses the demonstration button that shows "||", if any (it does nothing
  // while the log is empty, as every playback button).
  void StopDemonstration();
  // Turns the whole cube (animated, unrecorded, with sound) and re-letters the
  // log so that it makes the same physical turns on the turned cube.
  void Rotate(movelog::WholeRotation rotation);
  // The x2 re-lettering alone, for solutions of even orders; turns nothing.
  void RelabelX2();

 public slots:
  // What a click on the button does.
  void PressButton(int id);
  // The log follows a new game: its first page is emptied (a running
  // demonstration goes on ticking without effect).
  void OnNewGame(int order);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct ButtonSpec;
  static const std::array<ButtonSpec, kButtonCount>& Buttons();
  void CreateButtons();
  void LayOut();
  void OnRotationButton(movelog::WholeRotation rotation);
  void OnJumpToStart();
  void OnJumpToEnd();
  void OnStepBack();
  void OnStepForward();
  void OnReverseDemo() { PressDemo(movelog::Demo::Reverse); }
  void OnForwardDemo() { PressDemo(movelog::Demo::Forward); }
  void PressDemo(movelog::Demo demo);
  void OnDemoTimer(movelog::Demo demo);
  // Shows both demonstration buttons and runs their timers as demo_ says.
  void SyncDemos();
  void ApplyJump(const movelog::MoveLog::Jump& jump);
  // The handler of a posted step: plays the cell, inverted in backward mode.
  void PlayPostedStep(int cell, int forwardMode);

  view::CRubikView& view_;
  CCharSetCtrl* strip_ = nullptr;
  std::array<CButtonST*, kButtonCount> buttons_{};
  movelog::DemoState demo_;
  QTimer forwardTimer_;
  QTimer reverseTimer_;
};

}  // namespace shell
