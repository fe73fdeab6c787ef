#pragma once
// The three-stage 3×3×3 solver: cross, first two layers in two halves, whole
// last layer in one look-up, searched across starts. The N×N solver calls it
// for 3×3×3 cubes and to finish reduced bigger cubes.
//
// Faces are numbered R 0, U 1, F 2, L 3, D 4, B 5 (opposite faces differ by 3);
// a face turn's amount is 1..3 clockwise quarter turns seen from that face.
#include <array>
#include <cstdint>
#include <vector>

namespace threestage {

struct FaceTurn {
  int face;    // 0..5: R U F L D B
  int amount;  // 1..3 clockwise quarter turns
};

struct ThreeStageResult {
  std::vector<FaceTurn> moves;  // face turns in the cube's own orientation
  int orientation = 0;          // 0..5: the winning candidate's orientation number
};

// The 54 sticker colours in the program's facelet order (faces U, F, R, B, L, D,
// each row by row as seen from outside). Any six distinct values may be used:
// colours are read relative to the six centres.
using Stickers = std::array<std::uint8_t, 54>;

constexpr int kThreeStageUnsolvable = -1;  // the stickers are not a solvable cube
constexpr int kThreeStageBadMode = -2;     // mode is neither 0 nor 3

// mode 0 (beginner) or 3 (advanced, with the three-move prefixes). Returns the
// number of moves (≥ 0), or −1 when the stickers are not a solvable cube
// (−2 for another mode). The first call builds the tables (well under a second).
int SolveThreeStage(const Stickers& stickers, int mode, ThreeStageResult& result);

}  // namespace threestage
