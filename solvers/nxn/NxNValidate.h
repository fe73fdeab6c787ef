#pragma once
// Checks that a working cube is a colouring of a real, solvable N×N×N cube.
#include <array>
#include <cstdint>
#include <vector>

#include "solvers/nxn/NxNGeometry.h"

namespace nxn {

constexpr int kInvalidColours = -1;
constexpr int kInvalidCornerParity = -2;
constexpr int kInvalidEdgeParity = -3;
constexpr int kInvalidSwapParity = -4;

using Scheme = std::array<std::uint8_t, 6>;  // the colour of each face L R U D F B

// The colour scheme: from the centres for odd N; for even N from the corner at
// R, D, B (which the solver keeps in place at order 2) and the opposite colours
// found on the other corners. False when no consistent scheme exists.
bool FindScheme(const Geometry& g, const Stickers& s, Scheme& scheme);

// 0 or one of the codes above. Every piece must match a distinct piece of the
// solved cube: corners by colours up to a twist, middle edges up to a flip,
// wings exactly (a wing cannot be flipped in its place), centres by the count
// of each colour in their orbit.
int Validate(const Geometry& g, const Stickers& s, Scheme& scheme);

// Faces (0..5) that each colour value belongs to under the scheme; −1 for others.
std::array<int, 256> FaceOfColour(const Scheme& scheme);

// Permutation parity (bit 0) and flip parity (bit 1) of the 3×3×3 view:
// corners, the middle edges (or, for even N, the edges read at their first
// wing pair) — on a cube whose centres and edges are already reduced.
int OuterParity(const Geometry& g, const Stickers& s, const Scheme& scheme);

// Parity of the corners' permutation under the scheme (0 even, 1 odd).
int CornerParity(const Geometry& g, const Stickers& s, const Scheme& scheme);
// 0 for an even permutation of 0..n−1, 1 for an odd one.
int PermutationParity(std::vector<int> perm);

}  // namespace nxn
