#pragma once
// Turning the no-formula solver's recorded codes into move text.
#include <string>

#include "solvers/noformula/PieceState.h"

namespace noformula {

// Rewrites every code after a whole-cube turn as seen from the starting
// orientation, so the face moves alone describe the solution.
MoveList ReExpress(MoveList codes);

// The text: face moves merged per opposite-face pair ("U D2 "), "[n] " for step
// markers, "[.] " for sub-steps; whole-cube turns and silent markers write nothing.
std::string WriteText(const MoveList& codes);

}  // namespace noformula
