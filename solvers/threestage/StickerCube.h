#pragma once
// The three-stage solver's 54-sticker cube.
//
// Sticker positions are numbered in the facelet order: blocks U F R B L D of
// nine, each row by row as seen from outside (U with B at the top, D with F at
// the top, side faces with U at the top); the centre of a block is its index 4.
// A state records, for every sticker (named by its home position), the position
// it occupies now; a move is a permutation of positions applied to every entry.
//
// Move faces are numbered R 0, U 1, F 2, L 3, D 4, B 5 (opposite faces differ
// by 3). A face-turn code is face * 3 + amount − 1 (0..17), amount 1..3
// clockwise quarter turns seen from that face.
#include <array>
#include <cstdint>

namespace threestage {

constexpr int kStickerCount = 54;
constexpr int kFaceCount = 6;
constexpr int kTurnCodes = 18;
constexpr int kRotationCount = 24;  // whole-cube orientations

using Perm = std::array<std::uint8_t, kStickerCount>;  // position -> position
using State = std::array<std::uint8_t, kStickerCount>;  // sticker -> position

enum Face { kR = 0, kU = 1, kF = 2, kL = 3, kD = 4, kB = 5 };

constexpr int TurnCode(int face, int amount) { return face * 3 + amount - 1; }
constexpr int TurnFace(int code) { return code / 3; }
constexpr int TurnAmount(int code) { return code % 3 + 1; }
constexpr int InverseTurn(int code) { return TurnCode(TurnFace(code), 4 - TurnAmount(code)); }
constexpr int OppositeFace(int face) { return (face + 3) % 6; }

// The facelet block (U F R B L D order) that shows a move face, and back.
constexpr std::array<int, kFaceCount> kBlockOfFace = {2, 0, 1, 4, 5, 3};
constexpr std::array<int, kFaceCount> kFaceOfBlock = {kU, kF, kR, kB, kL, kD};
constexpr int CentrePosition(int face) { return kBlockOfFace[face] * 9 + 4; }

const Perm& TurnPerm(int code);
// The solved state: every sticker at home.
State SolvedState();
void ApplyTurn(State& state, int code);

// Whole-cube rotations 0..23. Rotation r moves the cube as a whole: position p
// goes to RotationPerm(r)[p]. RotationFaceMap(r)[f] is the face that face f's
// centre reaches, which re-letters a turn made before the rotation into the
// same turn made after it.
const Perm& RotationPerm(int rotation);
const std::array<int, kFaceCount>& RotationFaceMap(int rotation);
// Rotation number of "quarter turns about each axis, applied x then y then z",
// each turned like the R, U and F face respectively.
int RotationIndex(int xTurns, int yTurns, int zTurns);
int InverseRotation(int rotation);
// The rotation that is `first` followed by `second`.
int ComposeRotations(int first, int second);

// The state of the same cube seen after a whole-cube rotation (centres move too,
// so every sticker takes the name of its new home).
State RotatedState(const State& state, int rotation);

// Geometry of one sticker: its cubie (each coordinate −1..1; x from L to R,
// y from D to U, z from B to F) and its outward normal.
struct StickerPlace {
  int x, y, z;
  int nx, ny, nz;
};
const StickerPlace& PlaceOf(int position);
int PositionAt(int x, int y, int z, int nx, int ny, int nz);

}  // namespace threestage
