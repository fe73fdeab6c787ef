#pragma once
// One cubie of the cube model (the frame is described in model/WCube.h).
#include <array>
#include <cstdint>

#include "model/Vec3f.h"

namespace model {

// Sides of a cubie, stored by direction. Not the colour order.
enum FaceSlot : int { kSidePosX = 0, kSideNegX, kSidePosY, kSideNegY, kSidePosZ, kSideNegZ };

// Colour indices: the face a sticker belonged to in the solved state ("UFRBLD").
enum Colour : int {
  kColourU = 0,
  kColourF = 1,
  kColourR = 2,
  kColourB = 3,
  kColourL = 4,
  kColourD = 5,
  kNoSticker = 6,  // this side faces the inside of the cube
};

class WCubePiece {
 public:
  // faceColour is normally 0..6, but ImportColours stores whatever it is given,
  // so readers that index tables with it must check the range.
  std::array<std::int32_t, 6> faceColour = {kNoSticker, kNoSticker, kNoSticker,
                                            kNoSticker, kNoSticker, kNoSticker};
  // Quarter turns (0..3) of each side's sticker picture from its printed upright position.
  std::array<std::int32_t, 6> stickerTurn = {0, 0, 0, 0, 0, 0};
  std::int32_t inTurn = 0;       // 1 while the cubie belongs to an animated layer
  std::array<float, 3> homeCentre = {0.0f, 0.0f, 0.0f};  // centre of the slot it was created in
  float turnAngle = 0.0f;        // animation angle in degrees, 0 at rest
  Vec3f turnAxis = {0.0f, 1.0f, 0.0f};
  float orderF = 3.0f;           // cube order at creation

  // Re-maps sides, colours and sticker turns for one quarter turn of this cubie
  // about axis (0 X, 1 Y, 2 Z); dir 1 = +90°, 0 = -90°.
  void Rotate(int axis, int dir);
  void RotateX(int dir) { Rotate(0, dir); }
  void RotateY(int dir) { Rotate(1, dir); }
  void RotateZ(int dir) { Rotate(2, dir); }
};

}  // namespace model
