#pragma once
// Reduction of an N×N×N cube (N ≥ 4) to a 3×3×3: every centre solved, every
// edge paired, and the outer layers' view solvable as a 3×3×3 (even
// permutation and flip parity). The centres are solved in all 24 whole-cube
// orientations, the edges only in the few whose centres came cheapest; the
// fewest block turns (BlockTurnCount) win.
#include "solvers/nxn/NxNGeometry.h"
#include "solvers/nxn/NxNMoves.h"
#include "solvers/nxn/NxNValidate.h"

namespace nxn {

struct Reduction {
  MoveList moves;       // in the cube's own frame
  int orientation = 0;  // 1..24, the orientation whose reduction won
};

// The stickers must be valid (Validate returned 0 with this scheme). False
// only if no orientation reached a reduced cube.
bool Reduce(const Geometry& g, const Stickers& s, const Scheme& scheme, Reduction& out);

// The reduction in one frame (the stickers as given), moves appended in that frame.
bool ReduceInFrame(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves);

bool IsSolved(const Geometry& g, const Stickers& s);

}  // namespace nxn
