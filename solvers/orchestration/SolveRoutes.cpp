#include "solvers/orchestration/SolveRoutes.h"

namespace orchestration {

Route BeginnerRoute(int order, const SolveOptions& options) {
  if (order >= 5) return Route::kRefuseHighOrder;
  if (order == 2) return Route::kNxNBeginner;
  if (order == 3) return options.primarySolution == 1 ? Route::kNoFormula : Route::kLayered;
  return Route::kNotOffered;
}

Route AdvancedRoute(int order, const SolveOptions& options) {
  if (order >= 6) return Route::kRefuseHighOrder;
  if (order == 4) return Route::kCheck444ThenNxN;
  if (order == 3 && options.minStep != 1) return Route::kPetrus;
  if (order >= 2) return Route::kNxNAdvanced;
  return Route::kNotOffered;
}

SolveButtons ButtonsForNewOrder(int order, SolveButtons current) {
  if (order == 2) return {true, false, current.advanced};
  if (order == 3) return {true, true, true};
  return {false, false, current.advanced};
}

SolveButtons ButtonsDuringSlowScramble() { return {false, false, false}; }

SolveButtons ButtonsAfterSlowScramble(int order) {
  if (order == 3) return {true, true, true};
  if (order == 2) return {true, false, true};
  return {false, false, true};
}

bool PausesPlayback(Command command) {
  switch (command) {
    case Command::kTwoPhase:
    case Command::kTakeResult:
    case Command::kSend:
    case Command::kFastScramble: return true;
    default: return false;
  }
}

int PausePlaybackCommand(const std::string& backwardCaption, const std::string& forwardCaption) {
  if (backwardCaption == "||") return kCmdBackwardDemo;
  if (forwardCaption == "||") return kCmdForwardDemo;
  return 0;
}

TwoPhaseAction TwoPhaseToggle(int order, bool coloursUniform, bool running,
                              bool secondSearchRunning, bool tablesReady) {
  if (order >= 5) return TwoPhaseAction::kRefuseHighOrder;
  if (coloursUniform) return TwoPhaseAction::kNothing;
  if (running) {
    if (secondSearchRunning && !tablesReady) return TwoPhaseAction::kIgnore;
    return TwoPhaseAction::kStop;
  }
  return TwoPhaseAction::kStart;
}

}  // namespace orchestration
