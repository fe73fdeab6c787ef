#pragma once
// The pieces of the 54-sticker cube in the solver's frame (cross on U, last
// layer on D), and dense ranks of piece placements.
//
// Corner cubies: 0..3 the U corners of the slots FR FL BL BR, 4..7 the D
// corners DFR DFL DBL DBR. Each lists its stickers U/D sticker first, then
// clockwise. Edge cubies: 0..3 the cross edges UF UL UB UR, 4..7 the slot edges
// FR FL BL BR, 8..11 the D edges DF DL DB DR. Each lists its U/D sticker first
// (F/B sticker for the slot edges). A piece is tracked by its first sticker.
//
// A "corner spot" numbers the 24 corner-sticker positions cubie * 3 + k, an
// "edge spot" the 24 edge-sticker positions cubie * 2 + k.
#include <array>
#include <cstdint>

#include "solvers/threestage/StickerCube.h"

namespace threestage {

constexpr int kCornerCount = 8;
constexpr int kEdgeCount = 12;
constexpr int kTrackedCount = kCornerCount + kEdgeCount;

// Positions of the tracked stickers: [0..8) corners, [8..20) edges.
using Tracked = std::array<std::uint8_t, kTrackedCount>;

const std::array<std::uint8_t, 3>& CornerStickers(int cubie);
const std::array<std::uint8_t, 2>& EdgeStickers(int cubie);
int CornerSpot(int position);  // −1 for a non-corner position
int EdgeSpot(int position);    // −1 for a non-edge position

Tracked TrackedOf(const State& state);
Tracked SolvedTracked();
inline void ApplyTurn(Tracked& tracked, int code) {
  const Perm& p = TurnPerm(code);
  for (auto& position : tracked) position = p[position];
}

// Reads sticker colours (facelet order; colours relative to the six centres)
// into a state. False when the colours are not those of a solvable cube.
bool ReadColours(const std::array<std::uint8_t, kStickerCount>& colours, State& state);

// Allowed-cubie maps have one entry per cubie of the larger kind.
constexpr int kAllowedSize = kEdgeCount;
using AllowedCubies = std::array<std::int8_t, kAllowedSize>;

// The dense rank of a placement of `count` tracked pieces, given as spots:
// each on a cubie of the allowed set (allowed[cubie] is its order among the
// allowed cubies, −1 when not allowed), no two on one cubie, in lexicographic
// order. −1 when the placement breaks those rules.
int RankPlacement(const int* spots, int count, int stickersPerCubie, const std::int8_t* allowed, int allowedCount);
// The inverse: spots of a placement rank.
void UnrankPlacement(int rank, int count, int stickersPerCubie, const std::int8_t* allowed, int allowedCount,
                     int* spots);

}  // namespace threestage
