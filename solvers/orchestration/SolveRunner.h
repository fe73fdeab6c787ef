#pragma once
// Runs a solve command on a cube given as a facelet text and says what the
// form must do with the result. For kLoaded, in this order:
//   1. turn the cube by each of cubeTurns (ApplyCommand, animated, not recorded);
//   2. load cells into the move log (every cell after "@@" empty);
//   3. RelabelX2 the log when relabelX2 is set (the cube is not turned);
//   4. press the log's whole-cube turn for each of logTurns (cube and log turn);
//   5. log cursor to the start, focus on the log, redraw, move count 0.
// For kRefused show message; the log stays as it was. FinalCells and
// AllCubeTurns give the end result without a log, as rovan-cli prints it.
#include <string>

#include "solvers/orchestration/LogCells.h"
#include "solvers/orchestration/OrientationTurns.h"
#include "solvers/orchestration/SolveRoutes.h"

namespace orchestration {

struct SolveOutcome {
  enum class Status {
    kLoaded,      // the solution is ready to load
    kRefused,     // message holds the Chinese text to show; nothing else changes
    kNotOffered,  // the command is disabled at this order
    kNotBuilt,    // the solver of this route is not part of this build
    kBadInput,    // not a facelet text of order 2..7
  };
  Status status = Status::kBadInput;
  std::string message;  // the message box text when refused; a plain note otherwise
  // Whole-cube turns of the cube alone, made before the solver reads the
  // colours (animated, not recorded). They stay even when the solve is refused.
  Turns cubeTurns;
  Cells cells;              // as LoadSolution loads them: "??", moves, "@@"
  bool relabelX2 = false;   // RelabelX2 the log right after loading
  Turns logTurns;           // then these turns of log and cube, in order
};

// "初级解法" and "高级解法". The advanced solve of even orders advances the counter.
// A cube a few layer turns from solved gets the short search's answer
// (DirectSolve.h) with no whole-cube turns, whatever the route.
SolveOutcome RunBeginner(const std::string& facelets, const SolveOptions& options);
SolveOutcome RunAdvanced(const std::string& facelets, const SolveOptions& options,
                         EvenOrderCounter& counter);

// The log after RelabelX2 and the log turns: what it shows when all is done.
Cells FinalCells(const SolveOutcome& outcome);
// Every whole-cube turn the cube makes, in order: cubeTurns, then logTurns.
Turns AllCubeTurns(const SolveOutcome& outcome);

// The order of a facelet text (6N² characters '0'..'5', N = 2..7), or 0.
int OrderOfFacelets(const std::string& facelets);

}  // namespace orchestration
