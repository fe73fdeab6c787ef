#pragma once
// The step every solve route takes first: a cube a few layer turns from
// solved is answered by the short search (nxn/ShortSearch.h) instead of the
// route's method, in the route's own notation, so such a cube never gets a
// longer answer than the turns that scrambled it.
#include <optional>
#include <string>

#include "solvers/orchestration/LogCells.h"

namespace orchestration {

// How a route writes a layer turn.
enum class RouteNotation {
  kFaceTurns,    // R U' F2 ...: outer layers only (order 3 routes other than the fewest-moves one)
  kProgramForm,  // the N×N solver's form: compact at orders 2–4 (M E S, lower-case inner layers), else NF N3R MU ...
  kLongForm,     // the N×N solver's long form (NF, N3R, MU, ...) at every order
};

// The moves that solve the cube given as a facelet text, each a token of the
// move notation, checked by applying them; nothing when the cube is solved
// already, is beyond the search, or is not a facelet text of order 2..7.
std::optional<Cells> DirectSolution(const std::string& facelets, RouteNotation notation);

}  // namespace orchestration
