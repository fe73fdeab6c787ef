#include "solvers/mcube/McubeGrid.h"

namespace cube444 {

int FaceOf(int cell) {
  const int c[3] = {CellX(cell), CellY(cell), CellZ(cell)};
  int face = 0;
  for (int axis = 0; axis < 3; ++axis) {
    if (c[axis] == 0 || c[axis] == 5) {
      if (face != 0) return 0;  // an edge or corner of the shell: no sticker there
      face = (c[axis] == 0 ? -1 : 1) * (axis + 1);
    }
  }
  return face;
}

const std::array<int, kStickers>& StickerCells() {
  static const std::array<int, kStickers> cells = [] {
    std::array<int, kStickers> out{};
    int n = 0;
    for (int cell = 0; cell < kCells; ++cell) {
      if (FaceOf(cell) != 0) out[n++] = cell;
    }
    return out;
  }();
  return cells;
}

}  // namespace cube444
