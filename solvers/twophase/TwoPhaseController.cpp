#include "solvers/twophase/TwoPhaseController.h"

#include <sstream>

#include "input/Conversions.h"
#include "solvers/twophase/OutputWindow.h"
#include "solvers/twophase/SolverControl.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace twophase {

std::array<const char*, 2> ResultTurns(unsigned random) {
  static constexpr const char* kTurns[] = {"y2", "z2", "x2"};
  const char* turn = kTurns[random % 3];
  return {turn, turn};
}

// The output window of one run: keeps the state the form reads.
class TwoPhaseController::Box : public OutputWindow {
 public:
  explicit Box(std::function<void()> onChange) : onChange_(std::move(onChange)) { state_.running = true; }

  void SetText(const std::string& text) override {
    Change([&](State& s) { s.text = text; });
  }
  void OnSolution(const std::string& moves, int length) override {
    std::vector<std::string> split;
    std::istringstream in(moves);
    for (std::string move; in >> move;) split.push_back(move);
    Change([&](State& s) {
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
      ++state_.revision;
    }
    if (onChange_) onChange_();
  }

  std::function<void()> onChange_;
  mutable std::mutex mutex_;
  State state_;
};

struct TwoPhaseController::Run {
  explicit Run(std::function<void()> onChange) : box(std::move(onChange)) {}
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
  auto run = std::make_shared<Run>(onChange_);
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
