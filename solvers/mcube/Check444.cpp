#include "solvers/mcube/Check444.h"

#include "solvers/mcube/mcube.h"

namespace cube444 {

namespace {

// Where row r, column k (0..3) of each face of the facelet text lies in the grid:
// cell coordinate = constant + r·perRow + k·perColumn, for x, y and z.
struct FacePlacement {
  int base[3];
  int perRow[3];
  int perColumn[3];
};
// Faces in facelet order U, F, R, B, L, D.
constexpr FacePlacement kPlacements[6] = {
    {{1, 5, 4}, {0, 0, -1}, {1, 0, 0}},   // U: B at the top
    {{1, 4, 0}, {0, -1, 0}, {1, 0, 0}},   // F
    {{5, 4, 1}, {0, -1, 0}, {0, 0, 1}},   // R
    {{4, 4, 5}, {0, -1, 0}, {-1, 0, 0}},  // B
    {{0, 4, 4}, {0, -1, 0}, {0, 0, -1}},  // L
    {{1, 0, 1}, {0, 0, 1}, {1, 0, 0}},    // D: F at the top
};

int CodeOf(char colour) { return colour >= '0' && colour <= '5' ? colour - '0' + 1 : 0; }

}  // namespace

Grid GridFromFacelets(const std::string& facelets96) {
  Grid grid{};
  if (facelets96.size() != kFacelets444) return grid;
  for (int face = 0; face < 6; ++face) {
    const FacePlacement& p = kPlacements[face];
    for (int r = 0; r < 4; ++r)
      for (int k = 0; k < 4; ++k) {
        int c[3];
        for (int i = 0; i < 3; ++i) c[i] = p.base[i] + r * p.perRow[i] + k * p.perColumn[i];
        grid[Cell(c[0], c[1], c[2])] = CodeOf(facelets96[face * 16 + r * 4 + k]);
      }
  }
  return grid;
}

int Check444(const std::string& facelets96) {
  mcube cube;
  if (facelets96.size() != kFacelets444) return cube.Check();
  cube.Load(GridFromFacelets(facelets96));
  return cube.Check();
}

}  // namespace cube444
