#pragma once
// 4×4×4 centres by the fixed method: the four centre stickers of D's colour
// from a breadth-first table over their 10 626 placements, and the last two
// centres (F and U) by one template. The centres of L, B and R in between are
// the general routine's (NxNReduce).
#include "solvers/nxn/NxNGeometry.h"
#include "solvers/nxn/NxNMoves.h"
#include "solvers/nxn/NxNValidate.h"

namespace nxn {

constexpr int kCentrePlacements444 = 10626;  // C(24, 4)

// Brings D's four centre stickers home, one table move at a time.
void SolveDCentre444(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves);

// With every centre but F and U solved, solves those two by a template.
// False (cube unchanged) when the template does not apply.
bool SolveLastCentres444(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves);

// Reads an algorithm text, two characters per move (face letter, then "'",
// "2", a space or a digit of quarter turns); order-4 layers. i and j are the
// template digits.
MoveList ParseAlgorithm444(const char* text, int i = 0, int j = 0);

// Turns the U–F edge over (swaps its two wings) and changes nothing else.
constexpr const char* kEdgeFlipParity444 = "r2B2U2l U2r'U2r U2F2r F2l'B2r2";

// Number of placements at each depth of the table (index 0 = solved).
std::vector<int> CentreTableDepths444();

}  // namespace nxn
