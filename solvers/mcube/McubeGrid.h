#pragma once
// The 6 × 6 × 6 grid on which the 4×4×4 check and its layer solver work.
//
// Cell index 36x + 6y + z, every coordinate 0..5:
//   x from the L side (0) to the R side (5),
//   y from the D side (0) to the U side (5),
//   z from the F side (0) to the B side (5).
// Cubies occupy 1..4 on every axis; a sticker lies in the shell cell just outside
// its cubie (exactly one coordinate 0 or 5, the other two 1..4). A cell holds a
// colour code 1..6, or 0 where there is no sticker.
//
//                 U (y = 5)
//                 B (z = 5) behind
//     L (x = 0)   F (z = 0)   R (x = 5)
//                 D (y = 0)
//
// Face codes name a sticker's face by its outward normal: ±1 along x (L −1, R +1),
// ±2 along y (D −2, U +2), ±3 along z (F −3, B +3). On a face, a sticker's
// position is given by its two other coordinates in the order x, y, z, e.g.
// R (y, z), U (x, z), F (x, y).
#include <array>
#include <cstdint>

namespace cube444 {

constexpr int kSide = 6;
constexpr int kCells = kSide * kSide * kSide;
constexpr int kStickers = 96;
using Grid = std::array<std::int32_t, kCells>;

constexpr int Cell(int x, int y, int z) { return 36 * x + 6 * y + z; }
constexpr int CellX(int cell) { return cell / 36; }
constexpr int CellY(int cell) { return cell / 6 % 6; }
constexpr int CellZ(int cell) { return cell % 6; }

enum FaceCode : int { kFaceL = -1, kFaceR = 1, kFaceD = -2, kFaceU = 2, kFaceF = -3, kFaceB = 3 };

// The cell of the sticker on `face` at the face's two coordinates (a, b).
constexpr int FaceCell(int face, int a, int b) {
  const int outer = face > 0 ? 5 : 0;
  switch (face < 0 ? -face : face) {
    case 1: return Cell(outer, a, b);
    case 2: return Cell(a, outer, b);
    default: return Cell(a, b, outer);
  }
}

// The face code of a shell cell holding a sticker; 0 for any other cell.
int FaceOf(int cell);

// The 96 sticker cells, in index order.
const std::array<int, kStickers>& StickerCells();

}  // namespace cube444
