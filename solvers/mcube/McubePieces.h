#pragma once
// The pieces of the 4×4×4 grid (see McubeGrid.h) and the locators that find them.
//
// Corners are read in their cyclic order: the stickers listed so that their outward
// normals n1, n2, n3 satisfy n1 · (n2 × n3) = +1 (cross product on the x, y, z
// components), starting with the U or D sticker. On the solved cube the U-F-L
// corner reads (U, F, L).
//
// The two wings of an edge are mirror images. A wing holding colour a on the face
// with normal na and colour b on the face with normal nb is of hand A when
// (na × nb) · o < 0 and of hand B when it is > 0, o pointing along the edge from
// its middle to the wing. Of the two U-F wings read (U, F), hand A is the one at x = 3.
#include <array>

#include "solvers/mcube/McubeGrid.h"

namespace cube444 {

struct CornerPiece {
  std::array<int, 3> cells;  // sticker cells in cyclic order, the U or D sticker first
};
const std::array<CornerPiece, 8>& Corners();

enum class Hand { A, B };

struct WingPiece {
  std::array<int, 2> cells;
  std::array<Hand, 2> handWhenFirst;  // hand of the wing read with cells[i] first
};
const std::array<WingPiece, 24>& Wings();

// A sticker a locator reported: its face code (0 when nothing matched) and cell.
struct Located {
  int face = 0;
  int cell = -1;
  int x() const { return CellX(cell); }
  int y() const { return CellY(cell); }
  int z() const { return CellZ(cell); }
  bool found() const { return face != 0; }
};

// The first of the four centre stickers of `faces`, face by face, each face in the
// order (2,2), (2,3), (3,2), (3,3) of its two coordinates, holding `colour`.
Located FindCentre(const Grid& grid, int colour, const std::array<int, 5>& faces);
// The corner holding the colours a, b and c (in any order); reports its sticker of colour a.
Located FindCorner(const Grid& grid, int a, int b, int c);
// The wing (a, b) of the given hand; reports its sticker of colour a. A sticker in
// cell `ignoredCell` counts as empty.
Located FindWing(const Grid& grid, int a, int b, Hand hand, int ignoredCell = -1);

// The position of a sticker on its face: the two coordinates other than the face's own.
struct FacePosition {
  int a;
  int b;
};
FacePosition PositionOnFace(int cell);

}  // namespace cube444
