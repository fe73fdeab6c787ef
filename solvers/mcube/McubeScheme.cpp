#include "solvers/mcube/McubeScheme.h"

#include "solvers/mcube/McubePieces.h"

namespace cube444 {

namespace {

// The colour that follows a then b round some corner in its cyclic order; 0 if none
// among the colours still without a code.
int ThirdColour(const Grid& grid, int a, int b, const ColourCodes& codeOf) {
  for (const CornerPiece& corner : Corners()) {
    const auto& s = corner.cells;
    for (int i = 0; i < 3; ++i) {
      if (grid[s[i]] != a || grid[s[(i + 1) % 3]] != b) continue;
      const int third = grid[s[(i + 2) % 3]];
      if (third >= 1 && third <= kColours && codeOf[third] == 0) return third;
    }
  }
  return 0;
}

}  // namespace

bool HasCorner(const Grid& grid, int a, int b, int c) {
  for (const CornerPiece& corner : Corners()) {
    const auto& s = corner.cells;
    for (int i = 0; i < 3; ++i) {
      if (grid[s[i]] == a && grid[s[(i + 1) % 3]] == b && grid[s[(i + 2) % 3]] == c) return true;
    }
  }
  return false;
}

bool DeriveScheme(const Grid& grid, bool allowReversed, ColourCodes& codeOf) {
  codeOf.fill(0);
  const int up = grid[Cell(1, 5, 1)];
  const int left = grid[Cell(0, 4, 1)];
  const int front = grid[Cell(1, 4, 0)];
  for (int colour : {up, left, front}) {
    if (colour < 1 || colour > kColours || codeOf[colour] != 0) return false;
    codeOf[colour] = colour == up ? 1 : colour == left ? 2 : 3;
  }
  // Code 4 (R) follows F then U round its corner, 5 (B) U then L, 6 (D) L then F.
  struct Test {
    int first, second, code;
  };
  const Test tests[3] = {{front, up, 4}, {up, left, 5}, {left, front, 6}};
  for (int reversed = 0; reversed < (allowReversed ? 2 : 1); ++reversed) {
    for (const Test& t : tests) {
      bool assigned = false;
      for (int c = 1; c <= kColours; ++c) assigned = assigned || codeOf[c] == t.code;
      if (assigned) continue;
      // Read the other way round, the third colour comes first: (second, first, x).
      const int third = reversed ? ThirdColour(grid, t.second, t.first, codeOf)
                                 : ThirdColour(grid, t.first, t.second, codeOf);
      if (third != 0) codeOf[third] = t.code;
    }
  }
  for (int c = 1; c <= kColours; ++c) {
    if (codeOf[c] == 0) return false;
  }
  return true;
}

void Renumber(Grid& grid, const ColourCodes& codeOf) {
  for (int cell : StickerCells()) {
    const int colour = grid[cell];
    grid[cell] = colour >= 1 && colour <= kColours ? codeOf[colour] : 0;
  }
}

}  // namespace cube444
