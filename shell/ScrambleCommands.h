#pragma once
// The window's scramble commands: "慢速乱转" (F5), "高速乱转" (F6),
// "随机状态打乱" and the solving form's fast-scramble button, with what each
// does to the move log and to the solving form's solve buttons before and
// after the scramble.
#include <QObject>
#include <string>
#include <thread>
#include <vector>

namespace view {
class CRubikView;
}

namespace shell {

class COpLogForm;

// Which of the solving form's solve buttons are enabled.
struct SolveButtons {
  bool beginner;  // "初级解法"
  bool advanced;  // "高级解法"
  bool twoPhase;  // "仙人解法"
  bool operator==(const SolveButtons&) const = default;
};

class ScrambleCommands : public QObject {
  Q_OBJECT

 public:
  ScrambleCommands(view::CRubikView& view, COpLogForm& logForm, QObject* parent = nullptr);
  ~ScrambleCommands() override;  // waits for a random-state search still running

  // Animated as "Show Rotations" says; the solve buttons are off meanwhile.
  void SlowScramble();
  void FastScramble();
  // The solving form's button: a fast scramble, then an empty sequence in the log.
  void SolverFastScramble();
  // Orders 2 and 3: turns the cube by a sequence to a uniformly random state,
  // found on a worker thread (the two-phase tables may need loading), then
  // applied at once as the fast scramble applies its turns.
  void RandomStateScramble();
  bool RandomStateRunning() const { return randomStateRunning_; }

  // The solve buttons a finished slow scramble leaves enabled for the order.
  static SolveButtons ButtonsAfterSlowScramble(int order);
  bool SlowScrambleRunning() const { return slowDepth_ > 0; }

 signals:
  // For the solving form: enable its solve buttons as given.
  void solveButtonsEnabled(shell::SolveButtons buttons);

 private:
  view::CRubikView& view_;
  COpLogForm& logForm_;
  int slowDepth_ = 0;  // a slow scramble lets other commands run, even another one

  void FinishRandomState(int order, const std::vector<std::string>& moves);
  std::thread randomStateWorker_;
  bool randomStateRunning_ = false;
};

}  // namespace shell
