#include "solvers/mcube/McubePieces.h"

#include <utility>

namespace cube444 {

namespace {

using Vec = std::array<int, 3>;

Vec Normal(int cell) {
  const int face = FaceOf(cell);
  Vec n{0, 0, 0};
  n[(face < 0 ? -face : face) - 1] = face < 0 ? -1 : 1;
  return n;
}

Vec Cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

int Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The sticker cells next to cubie (x, y, z), in the order x, y, z of their normals.
std::array<int, 3> StickersOf(int x, int y, int z, int& count) {
  std::array<int, 3> cells{};
  count = 0;
  const int c[3] = {x, y, z};
  for (int axis = 0; axis < 3; ++axis) {
    if (c[axis] != 1 && c[axis] != 4) continue;
    int s[3] = {x, y, z};
    s[axis] = c[axis] == 1 ? 0 : 5;
    cells[count++] = Cell(s[0], s[1], s[2]);
  }
  return cells;
}

}  // namespace

const std::array<CornerPiece, 8>& Corners() {
  static const std::array<CornerPiece, 8> corners = [] {
    std::array<CornerPiece, 8> out{};
    int n = 0;
    for (int x : {1, 4})
      for (int y : {1, 4})
        for (int z : {1, 4}) {
          int count = 0;
          const auto s = StickersOf(x, y, z, count);  // normals along x, y, z
          // Start with the y sticker; the other two go in the order that makes the
          // triple product +1.
          std::array<int, 3> cells = {s[1], s[0], s[2]};
          if (Dot(Normal(cells[0]), Cross(Normal(cells[1]), Normal(cells[2]))) < 0)
            std::swap(cells[1], cells[2]);
          out[n++].cells = cells;
        }
    return out;
  }();
  return corners;
}

const std::array<WingPiece, 24>& Wings() {
  static const std::array<WingPiece, 24> wings = [] {
    std::array<WingPiece, 24> out{};
    int n = 0;
    for (int x = 1; x <= 4; ++x)
      for (int y = 1; y <= 4; ++y)
        for (int z = 1; z <= 4; ++z) {
          int count = 0;
          const auto s = StickersOf(x, y, z, count);
          if (count != 2) continue;
          const int c[3] = {x, y, z};
          Vec o{0, 0, 0};
          for (int axis = 0; axis < 3; ++axis) {
            if (c[axis] == 2) o[axis] = -1;
            if (c[axis] == 3) o[axis] = 1;
          }
          WingPiece& w = out[n++];
          w.cells = {s[0], s[1]};
          for (int first = 0; first < 2; ++first) {
            const int sign = Dot(Cross(Normal(w.cells[first]), Normal(w.cells[1 - first])), o);
            w.handWhenFirst[first] = sign < 0 ? Hand::A : Hand::B;
          }
        }
    return out;
  }();
  return wings;
}

Located FindCentre(const Grid& grid, int colour, const std::array<int, 5>& faces) {
  for (int face : faces) {
    for (int a = 2; a <= 3; ++a)
      for (int b = 2; b <= 3; ++b) {
        const int cell = FaceCell(face, a, b);
        if (grid[cell] == colour) return {face, cell};
      }
  }
  return {};
}

Located FindCorner(const Grid& grid, int a, int b, int c) {
  for (const CornerPiece& corner : Corners()) {
    const auto& s = corner.cells;
    for (int i = 0; i < 3; ++i) {
      const int j = (i + 1) % 3, k = (i + 2) % 3;
      if (grid[s[i]] != a) continue;
      if ((grid[s[j]] == b && grid[s[k]] == c) || (grid[s[j]] == c && grid[s[k]] == b))
        return {FaceOf(s[i]), s[i]};
    }
  }
  return {};
}

Located FindWing(const Grid& grid, int a, int b, Hand hand, int ignoredCell) {
  for (const WingPiece& wing : Wings()) {
    for (int first = 0; first < 2; ++first) {
      const int cellA = wing.cells[first];
      if (cellA == ignoredCell || grid[cellA] != a || grid[wing.cells[1 - first]] != b) continue;
      if (wing.handWhenFirst[first] == hand) return {FaceOf(cellA), cellA};
    }
  }
  return {};
}

FacePosition PositionOnFace(int cell) {
  const int face = FaceOf(cell);
  switch (face < 0 ? -face : face) {
    case 1: return {CellY(cell), CellZ(cell)};
    case 2: return {CellX(cell), CellZ(cell)};
    default: return {CellX(cell), CellY(cell)};
  }
}

}  // namespace cube444
