#pragma once
// The solving form in the window's right-hand column: three labelled steps
// (pick a colour tool, paint the net, apply and solve), the two-phase search's
// output box, the command box with "发送" and "高速乱转". Every decision about
// which solver runs and what a result means is made in solvers/orchestration;
// the form only carries it out on the cube and the move log.
#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "solvers/orchestration/OrientationTurns.h"
#include "solvers/orchestration/SolveRoutes.h"
#include "solvers/orchestration/SolveRunner.h"
#include "solvers/twophase/TwoPhaseController.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;


namespace shell {

class CCubeWnd;
class CColorButton;
class CColorStatic;
class CMainFrame;
struct SolveButtons;

class CCubeSolverForm : public QWidget {
  Q_OBJECT

 public:
  enum ControlId {
    kToolU = 1005,  // 1005..1010: the tools U F R B L D
    kAdvanced = 1066, kCommandBox = 1067, kApply = 1068, kSend = 1069, kCustomColour = 1070,
    kSwatch = 1071, kFastScramble = 1072, kBeginner = 1074, kTwoPhase = 1075,
    kOutput = 1078, kTakeResult = 1079,
  };

  explicit CCubeSolverForm(CMainFrame& frame, QWidget* parent = nullptr);
  ~CCubeSolverForm() override;

  // The frame's scramble commands exist only after the panes: connect to them then.
  void FollowScrambles();

  CCubeWnd* Net() const { return net_; }
  CColorButton* Tool(int k) const { return tools_[k]; }
  CColorStatic* Swatch() const { return swatch_; }
  QPushButton* Button(int id) const;
  QLineEdit* CommandBox() const { return commandBox_; }
  QPlainTextEdit* Output() const { return output_; }
  std::uint32_t ToolColour(int k) const { return toolColours_[k]; }
  int CurrentTool() const { return currentTool_; }
  bool HasToolCursor() const { return hasToolCursor_; }
  QCursor ToolCursor() const { return toolCursor_; }
  bool TwoPhaseRunning() const { return twoPhaseRunning_; }
  // The two-phase search has found a solution that "启用" would load.
  bool TwoPhaseHasSolution() const;

  // The commands, as their buttons run them.
  void SelectTool(int k);
  void CustomColour();
  // With the colour the dialog would return (a test has no user to pick one).
  void CustomColour(std::uint32_t colour);
  void ApplyNet();
  void Beginner();
  void Advanced();
  void ApplyOutcome(const orchestration::SolveOutcome& outcome);
  void ToggleTwoPhase();
  void TakeResult();
  void Send();
  void FastScramble();

  // New-cube commands: the net follows the order, the solve buttons are enabled by it.
  void OnNewGame(int order);
  // The window closes: stop the two-phase search.
  void OnStopRequested();

 private:
  void CreateControls();
  void SetToolColour(int k, std::uint32_t colour);
  void BuildToolCursor();
  void ApplySolveButtons(const orchestration::SolveButtons& buttons);
  // Loads moves between the markers; false (after telling the user) when they do not fit.
  bool LoadMoves(const std::vector<std::string>& cells);
  void FinishLoad();
  void TurnLog(const orchestration::Turns& turns);
  void ShowMessage(const QString& text);
  void PollTwoPhase();
  void ShowTwoPhaseState(const twophase::TwoPhaseController::State& state);
  void SetTwoPhaseIdle();

  CMainFrame& frame_;
  std::array<CColorButton*, 6> tools_{};
  CColorStatic* swatch_ = nullptr;
  CCubeWnd* net_ = nullptr;
  QPlainTextEdit* output_ = nullptr;
  QLineEdit* commandBox_ = nullptr;
  std::array<QPushButton*, 8> buttons_{};  // apply, custom, beginner, advanced, two-phase, take, send, scramble

  std::array<std::uint32_t, 6> toolColours_{};
  std::uint32_t currentColour_ = 0;
  int currentTool_ = 0;
  QCursor toolCursor_;
  bool hasToolCursor_ = false;

  orchestration::EvenOrderCounter evenCounter_;
  std::unique_ptr<twophase::TwoPhaseController> twoPhase_;
  bool twoPhaseRunning_ = false;
  std::string savedColours_;
  std::string savedStickerTurns_;
  std::uint64_t shownRevision_ = 0;
  QTimer pollTimer_;
};

}  // namespace shell
