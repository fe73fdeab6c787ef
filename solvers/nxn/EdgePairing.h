#pragma once
// Edge pairing by slice brackets, before the wing 3-cycles finish the job.
//
// A bracket is S · X Y X⁻¹ · S⁻¹: S a block turn that takes inner layers along
// (Rw-style, one block turn) or a run of inner layers alone, X an outer turn
// off S's axis and Y an outer turn on it; while S is turned, a few more
// X Y X⁻¹ may follow. Every face off S's axis ends unturned and the faces on it are whole,
// so the centres come back solved while wings change partners; the wing
// permutation of every orbit stays even. Each step performs the bracket (with
// at most one outer setup turn before it) that pairs the most pieces per block
// turn; it stops when no bracket gains.
#include "solvers/nxn/NxNGeometry.h"
#include "solvers/nxn/NxNMoves.h"
#include "solvers/nxn/NxNValidate.h"

namespace nxn {

// Pairs edges on a cube whose centres are solved and whose wing orbits are
// even; appends the moves. At even orders a fully paired cube whose 3×3×3
// view has odd permutation parity then gets two edges swapped.
void PairEdgesBySlices(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves);

// Number of edge slots whose pieces (wings and, at odd orders, the middle
// edge) do not all show the same two colours.
int UnpairedEdges(const Geometry& g, const Stickers& s);

}  // namespace nxn
