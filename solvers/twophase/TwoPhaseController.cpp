#include "solvers/twophase/TwoPhaseController.h"

#include <sstream>

#include "input/Conversions.h"
#include "model/SolutionCheck.h"
#include "solvers/twophase/OutputWindow.h"
#include "solvers/twophase/SolverControl.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace twophase {

std::array<const char*, 2> ResultTurns(unsigned random) {
  static constexpr const char* kTurns[] = {"y2", "z2", "x2"};
  const char* turn = kTurns[random % 3];
  return {turn, turn};
}

// The output window of one run: keeps the state the form reads. Revisions come
// from the controller's one counter, so a new run never repeats a number an
// earlier run's state already showed.
class TwoPhaseController::Box : public OutputWindow {
 public:
  Box(std::function<void()> onChange, std::shared_ptr<std::atomic<std::uint64_t>> revisions,
      std::string netString)
      : onChange_(std::move(onChange)), revisions_(std::move(revisions)), netString_(std::move(netString)) {
    state_.running = true;
    state_.revision = ++*revisions_;
  }

  void SetText(const std::string& text) override {
    Change([&](State& s) { s.text = text; });
  }
  // Shown only once it is played on a copy of the cube and solves it.
  void ShowSolution(const std::string& text, const std::string& moves, int length) override {
    std::vector<std::string> split;
    std::istringstream in(moves);
    for (std::string move; in >> move;) split.push_back(move);
    if (!model::SolvesCube(netString_, {}, split)) return;
    Change([&](State& s) {
      s.text = text;
      s.bestMoves = std::move(split);
      s.hasSolution = true;
    });
  }

  void Finish(bool accepted) {
    Change([&](State& s) {
      s.running = false;
      s.rejected = !accepted;
    });
  }
  State Get() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return state_;
  }

 private:
  template <class F>
  void Change(F&& change) {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      change(state_);
      state_.revision = ++*revisions_;
    }
    if (onChange_) onChange_();
  }

  std::function<void()> onChange_;
  std::shared_ptr<std::atomic<std::uint64_t>> revisions_;
  std::string netString_;
  mutable std::mutex mutex_;
  State state_;
};

struct TwoPhaseController::Run {
  Run(std::function<void()> onChange, std::shared_ptr<std::atomic<std::uint64_t>> revisions,
      std::string netString)
      : box(std::move(onChange), std::move(revisions), std::move(netString)) {}
  Box box;
  bool cancelled = false;  // guarded by the controller's mutex
};

TwoPhaseController::TwoPhaseController(std::vector<std::string> tableFiles) : tableFiles_(std::move(tableFiles)) {}

TwoPhaseController::~TwoPhaseController() {
  Stop();
  AbandonTableBuild(true);  // the program is closing: do not finish a build nobody will use
  std::thread last;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    last = std::move(worker_);
  }
  if (last.joinable()) last.join();
  AbandonTableBuild(false);
}

void TwoPhaseController::SetOnChange(std::function<void()> callback) {
  std::lock_guard<std::mutex> guard(mutex_);
  onChange_ = std::move(callback);
}

void TwoPhaseController::Start(const std::string& netString) {
  std::lock_guard<std::mutex> guard(mutex_);
  if (current_) current_->cancelled = true;
  RequestStop();
  auto run = std::make_shared<Run>(onChange_, revisions_, netString);
  current_ = run;
  // A text of any other length is refused by the solver like wrong colours.
  const std::string labelled = netString.size() == 54 ? input::ToLabelledFaces(netString) : std::string();
  worker_ = std::thread([this, run, labelled, previous = std::move(worker_)]() mutable {
    if (previous.joinable()) previous.join();
    {
      // Stop either comes before this (the run is cancelled) or after the flag is cleared.
      std::lock_guard<std::mutex> g(mutex_);
      if (run->cancelled) {
        run->box.Finish(true);
        return;
      }
      Control().stop.store(false);
    }
    const bool accepted = SolveKeepingStop(labelled, &run->box, tableFiles_);
    run->box.Finish(accepted);
  });
}

void TwoPhaseController::Stop() {
  std::lock_guard<std::mutex> guard(mutex_);
  if (current_) current_->cancelled = true;
  RequestStop();
}

TwoPhaseController::State TwoPhaseController::Snapshot() const {
  std::shared_ptr<Run> run;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    run = current_;
  }
  return run ? run->box.Get() : State{};
}

bool TwoPhaseController::IsSecondSearchRunning() const { return twophase::IsSecondSearchRunning(); }
bool TwoPhaseController::TablesReady() const { return twophase::TablesReady(); }

}  // namespace twophase
