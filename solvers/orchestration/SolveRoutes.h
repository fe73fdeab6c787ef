#pragma once
// Which solver a solve command runs, by cube order and option, and the other
// decisions of the solving form's commands. Pure functions; the form calls them
// and does what they say.
#include <string>

#include "appinfo/Translatable.h"

namespace orchestration {

// The beginner and advanced methods (settings "Primary solution", "Min Step").
struct SolveOptions {
  int primarySolution = 0;  // 0 "层先流行玩法" layer by layer, 1 "不用背公式的玩法" no formula
  int minStep = 0;          // 0 "Lars Petrus玩法", 1 "最小步玩法" (N×N solver)
};

enum class Route {
  kRefuseHighOrder,  // "高阶魔方无解"
  kNotOffered,       // the button is disabled at this order
  kNxNBeginner,      // N×N solver, mode 0, on the turned-over cube (order 2)
  kLayered,          // layer-by-layer solver
  kNoFormula,        // layer-by-layer check, then the no-formula solver
  kPetrus,           // Petrus solver
  kCheck444ThenNxN,  // 4×4×4 colouring check, then the N×N solver in mode 3
  kNxNAdvanced,      // N×N solver, mode 3
};

// "初级解法": orders ≥ 5 refused; 2 N×N; 3 by primarySolution; 4 not offered.
Route BeginnerRoute(int order, const SolveOptions& options);
// "高级解法": orders ≥ 6 refused; 4 checked first; 3 by minStep; 2 and 5 N×N.
Route AdvancedRoute(int order, const SolveOptions& options);

// Enabling of "初级解法", "仙人解法" and "高级解法".
struct SolveButtons {
  bool beginner = true;
  bool twoPhase = true;
  bool advanced = true;
  bool operator==(const SolveButtons&) const = default;
};
// After a new-cube command of the given order ("高级解法" is left as it was at
// orders other than 3).
SolveButtons ButtonsForNewOrder(int order, SolveButtons current);
// While the slow scramble runs, and after it.
SolveButtons ButtonsDuringSlowScramble();
SolveButtons ButtonsAfterSlowScramble(int order);

// Commands that stop a running demonstration of the move log before they load
// it: "仙人解法" (start), "启用", "高速乱转" and "发送"; the solve buttons do not.
enum class Command { kBeginner, kAdvanced, kTwoPhase, kTakeResult, kSend, kFastScramble };
bool PausesPlayback(Command command);
// The log form's command that stops the running demonstration: 1019 (backward)
// or 1020 (forward) when that button shows "||", else 0.
constexpr int kCmdBackwardDemo = 1019;
constexpr int kCmdForwardDemo = 1020;
int PausePlaybackCommand(const std::string& backwardCaption, const std::string& forwardCaption);

// "仙人解法" as a start/stop toggle.
enum class TwoPhaseAction {
  kRefuseHighOrder,  // order ≥ 5: "高阶魔方无解"
  kNothing,          // the saved colours are solved already
  kIgnore,           // second search still running while the tables are built
  kStop,             // flag 0, caption "仙人解法", request stop
  kStart,            // flag 1, caption "停止求解", enable "启用", start the worker
};
TwoPhaseAction TwoPhaseToggle(int order, bool coloursUniform, bool running,
                              bool secondSearchRunning, bool tablesReady);
inline constexpr const char* kTwoPhaseIdleCaption = ROVAN_TR_NOOP("仙人解法");
inline constexpr const char* kTwoPhaseRunningCaption = ROVAN_TR_NOOP("停止求解");

}  // namespace orchestration
