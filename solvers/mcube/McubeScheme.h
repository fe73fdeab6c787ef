#pragma once
// The colour scheme of a 4×4×4 colouring and the canonical colour codes.
//
// The canonical codes are U 1, L 2, F 3, R 4, B 5, D 6; its corners, each in its
// cyclic order (McubePieces.h) from the U or D colour round, are
// (1,3,2) (1,4,3) (1,5,4) (1,2,5) (6,2,3) (6,3,4) (6,4,5) (6,5,2).
#include <array>

#include "solvers/mcube/McubeGrid.h"

namespace cube444 {

constexpr int kColours = 6;
constexpr std::array<std::array<int, 3>, 8> kCanonicalCorners = {{
    {1, 3, 2}, {1, 4, 3}, {1, 5, 4}, {1, 2, 5}, {6, 2, 3}, {6, 3, 4}, {6, 4, 5}, {6, 5, 2},
}};

// codeOf[colour] for the grid's colours 1..6; 0 where a colour has no code.
using ColourCodes = std::array<int, kColours + 1>;

// Derives the codes from the U-F-L corner (its U colour 1, L colour 2, F colour 3)
// and the corners that hold two of those colours. With `allowReversed`, a corner
// whose colours run the wrong way round still names its third colour. False when
// the reference colours repeat or a code stays unassigned.
bool DeriveScheme(const Grid& grid, bool allowReversed, ColourCodes& codeOf);
// Rewrites every sticker with its code (colours outside 1..6 become 0).
void Renumber(Grid& grid, const ColourCodes& codeOf);

// Whether some corner reads (a, b, c) in its cyclic order, starting anywhere.
bool HasCorner(const Grid& grid, int a, int b, int c);

}  // namespace cube444
