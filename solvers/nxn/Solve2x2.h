#pragma once
// Optimal 2×2×2 search in face turns. Only the L, U and F layers turn, so the
// corner at R, D, B stays home. Iterative deepening, pruned by the distances
// of the corner placement (5 040 cases) and of the twists (729 cases) alone;
// those small tables are built once, in well under a millisecond.
#include "solvers/nxn/NxNGeometry.h"
#include "solvers/nxn/NxNMoves.h"

namespace nxn {

// The stickers must be a valid order-2 cube recoloured so that every sticker
// holds its home face index + 1. Mode 0: the first optimal solution in move
// order; mode 3: among the optimal ones the one with the fewest half turns.
MoveList Solve2x2(const Stickers& stickers, int mode);

// Distance of a state from solved in face turns (for tests and benchmarks).
int Distance2x2(const Stickers& stickers);

// Builds the tables now (they are otherwise built at the first solve).
void Prepare2x2Tables();

}  // namespace nxn
