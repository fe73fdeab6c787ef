#pragma once
// Move codes of the N×N solver and their two text forms.
// A code holds the amount (bits 0–1, 1..3 quarter turns in the positive sense
// of NxNGeometry.h), the axis (bits 2–3) and the layer (bits 4 and up).
#include <cstdint>
#include <string>
#include <vector>

namespace nxn {

using MoveCode = std::uint16_t;
using MoveList = std::vector<MoveCode>;

constexpr MoveCode MakeMove(int axis, int layer, int amount) {
  return static_cast<MoveCode>((amount & 3) | (axis << 2) | (layer << 4));
}
constexpr int AmountOf(MoveCode m) { return m & 3; }
constexpr int AxisOf(MoveCode m) { return (m >> 2) & 3; }
constexpr int LayerOf(MoveCode m) { return m >> 4; }
constexpr MoveCode Inverse(MoveCode m) {
  return MakeMove(AxisOf(m), LayerOf(m), 4 - AmountOf(m));
}

// The layers from..to of one axis turned together (a block turn when one end
// is an outer layer), one code per layer.
MoveList LayerRange(int axis, int from, int to, int amount);

// Sorts each run of same-axis moves and merges turns of one layer, until the
// list stops shrinking.
void Simplify(MoveList& moves);

// Turns as a cuber counts them: every run of turns about one axis is written
// with the fewest block turns (R, Rw, 3Rw, ... from either side, whole-cube
// turns free), which is the number of neighbouring layer pairs that end up
// turned by different amounts.
int BlockTurnCount(int order, const MoveList& moves);

// Letters and suffixes as in the move log: N = 2..4 only (M/E/S at order 3,
// lower-case inner layers at order 4).
std::string CompactText(int order, const MoveList& moves);
// Layers named from the nearer face (NF, N3R, MU, ...), every move followed by a space.
std::string LongText(int order, const MoveList& moves);
// The form the program shows: compact for orders 2–4 up to 495 moves, else long.
std::string SolutionText(int order, const MoveList& moves);

}  // namespace nxn
