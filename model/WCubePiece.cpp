#include "model/WCubePiece.h"

namespace model {

namespace {

// One quarter turn of a cubie: side s takes the colour of side from[s], and its
// sticker turn plus offset[s] (mod 4). The two sides on the axis keep their
// colours and only turn their picture. The asymmetric -2 offsets of the X turns
// are part of the saved state and must stay exactly as they are.
struct SideRemap {
  std::array<int, 6> from;
  std::array<int, 6> offset;
};

//                      side:  +X         -X         +Y         -Y         +Z         -Z
constexpr SideRemap kRemap[3][2] = {
    // X, dir 0 / dir 1
    {{{kSidePosX, kSideNegX, kSidePosZ, kSideNegZ, kSideNegY, kSidePosY}, {+1, -1, 0, -2, 0, -2}},
     {{kSidePosX, kSideNegX, kSideNegZ, kSidePosZ, kSidePosY, kSideNegY}, {-1, +1, -2, 0, 0, -2}}},
    // Y
    {{{kSideNegZ, kSidePosZ, kSidePosY, kSideNegY, kSidePosX, kSideNegX}, {0, 0, +1, -1, 0, 0}},
     {{kSidePosZ, kSideNegZ, kSidePosY, kSideNegY, kSideNegX, kSidePosX}, {0, 0, -1, +1, 0, 0}}},
    // Z
    {{{kSidePosY, kSideNegY, kSideNegX, kSidePosX, kSidePosZ, kSideNegZ}, {+1, +1, +1, +1, +1, -1}},
     {{kSideNegY, kSidePosY, kSidePosX, kSideNegX, kSidePosZ, kSideNegZ}, {-1, -1, -1, -1, -1, +1}}},
};

}  // namespace

void WCubePiece::Rotate(int axis, int dir) {
  if (axis < 0 || axis > 2) return;
  const SideRemap& remap = kRemap[axis][dir != 0 ? 1 : 0];
  const auto oldColour = faceColour;
  const auto oldTurn = stickerTurn;
  for (int side = 0; side < 6; ++side) {
    faceColour[side] = oldColour[remap.from[side]];
    stickerTurn[side] = (oldTurn[remap.from[side]] + remap.offset[side]) & 3;
  }
}

}  // namespace model
