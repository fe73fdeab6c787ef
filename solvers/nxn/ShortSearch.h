#pragma once
// A search for cubes a few layer turns from solved: every sequence of single
// layer turns up to a depth the order allows within a fixed amount of work
// (at least two turns), shortest first. Turns of one axis follow each other
// only in rising layer order, so no state is reached twice by turns that
// commute. "Solved" is any whole-cube orientation of the solved cube.
#include <optional>
#include <string>

#include "solvers/nxn/NxNMoves.h"

namespace nxn {

enum class TurnSet {
  kOuterLayers,  // face turns only (notations without inner layers)
  kAllLayers,    // every layer of the order
};

// The deepest search the work limit allows for this order and turn set.
int ShortSearchDepth(int order, TurnSet turns);

// The shortest solution within ShortSearchDepth, for SolverFaces of order 2..7
// (input::ToSolverFaces); nothing when the cube is solved already, is farther
// away, or is not a cube of this order.
std::optional<MoveList> ShortSolution(int order, const std::string& solverFaces, TurnSet turns);

}  // namespace nxn
