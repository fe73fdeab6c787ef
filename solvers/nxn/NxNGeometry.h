#pragma once
// Sticker geometry of the N×N solver's working cube, for one order 2..7.
//
// Frame (the SolverFaces layout): faces L 0, R 1, U 2, D 3, F 4, B 5, each an
// N×N block, sticker index = face·N² + row·N + column:
//   L, R: row = distance from F, column = distance from U
//   U, D: row = distance from F, column = distance from L
//   F, B: row = distance from U, column = distance from L
// Layers: axis 0 (L–R) counted from L, axis 1 (U–D) from U, axis 2 (F–B) from F.
// A quarter turn in the positive sense: axis 0 L clockwise, axis 1 U
// anticlockwise (D clockwise), axis 2 F clockwise.
// Points use doubled coordinates (X to R, Y to U, Z to F; cubie centres at
// odd/even steps of 2), so every sticker has a unique integer position.
#include <array>
#include <cstdint>
#include <vector>

namespace nxn {

constexpr int kFaceL = 0, kFaceR = 1, kFaceU = 2, kFaceD = 3, kFaceF = 4, kFaceB = 5;

using Stickers = std::vector<std::uint8_t>;  // 6N² colour values
using Cycle4 = std::array<int, 4>;           // sticker at [i] goes to [i+1] on a positive turn

enum class PieceKind { kCorner, kEdge, kCentre };

struct Geometry {
  int n = 0;
  int count = 0;  // 6N²
  std::vector<std::array<int, 3>> point;   // doubled coordinates of each sticker
  std::vector<std::array<int, 3>> cubie;   // layer index of its cubie on each axis
  std::vector<int> face;                   // face of each sticker
  std::vector<PieceKind> kind;             // kind of the cubie the sticker is on
  std::vector<std::vector<Cycle4>> turn;   // [axis·N + layer]: cycles of a positive quarter turn
  std::vector<int> orbit;                  // orbit id: stickers that layer turns can exchange
  std::array<std::vector<int>, 24> rotation;  // whole-cube rotations: sticker s goes to rotation[o][s]

  // Pieces by their stickers, in reading order:
  // corners start at the U/D sticker and go round right-handed (8);
  // middle edges (odd N) start at the U/D sticker, else at the F/B one (12);
  // wings (every other edge piece) in the order that turns preserve (12·(N−2) minus middles).
  std::vector<std::array<int, 3>> corners;
  std::vector<std::array<int, 2>> middleEdges;
  std::vector<std::array<int, 2>> wings;
  std::vector<int> centres;       // every centre sticker
  std::array<int, 6> faceNormal;  // axis·2 + (1 when pointing to the positive end)

  int Index(const std::array<int, 3>& p) const;  // sticker at a doubled position, −1 if none
};

// Built once per order on first use, read-only afterwards.
const Geometry& GeometryOf(int order);

// Applies a quarter-turn count 1..3 of one layer to the stickers in place.
template <class Values>
void ApplyTurn(const Geometry& g, Values& s, int axis, int layer, int amount) {
  amount &= 3;
  if (amount == 0) return;
  for (const auto& c : g.turn[axis * g.n + layer]) {
    const std::array<typename Values::value_type, 4> v = {s[c[0]], s[c[1]], s[c[2]], s[c[3]]};
    for (int i = 0; i < 4; ++i) s[c[(i + amount) & 3]] = v[i];
  }
}

}  // namespace nxn
