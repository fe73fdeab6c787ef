#pragma once
// Fixed data of the layer-by-layer solver: which stickers move with each face,
// where the pieces sit, and the first-layer case tables.
#include <array>

#include "solvers/layered/CubeSolver.h"

namespace layered {

struct StickerRef {
  int face;  // face object index (U F R L B D)
  int index; // 0..8 in the facelet layout of that face
};

// Face object index of a face letter (U F R L B D), or kNoFace.
int FaceOfLetter(char letter);

// The 12 stickers of the neighbouring faces that move with each face, in the
// order in which a clockwise quarter turn carries each group of three to the next.
const std::array<StickerRef, 12>& Ring(int face);

// Edge and corner positions in search order.
const std::array<std::array<StickerRef, 2>, 12>& EdgePositions();
const std::array<std::array<StickerRef, 3>, 8>& CornerPositions();

// First-layer algorithms by (p, q): p the face of the U-coloured sticker, q the
// face of the F-coloured one. nullptr where the pair cannot occur; "" when the
// piece is home.
const char* CrossAlgorithm(int p, int q);
const char* TopCornerAlgorithm(int p, int q);

}  // namespace layered
