#pragma once
// Vertices of one cubie (unit cube at the origin): the grey rounded body,
// the box ±0.4 rounded out by radius 0.1, and the 0.8 × 0.8 sticker squares
// on its six sides (FaceSlot order +X, −X, +Y, −Y, +Z, −Z).
#include <array>
#include <vector>

namespace view {

using Vec3 = std::array<float, 3>;

struct BodyQuad {
  Vec3 vertex[4];
  Vec3 normal[4];
};
// Eight sphere octants (2 × 2 quads each) and twelve quarter cylinders (2 quads
// each). Every quad runs counter-clockwise seen from outside, so back-face
// culling can drop the far side of a body.
inline constexpr int kBodyQuadCount = 56;
const std::vector<BodyQuad>& BodyQuads();

struct StickerQuad {
  Vec3 vertex[4];
  Vec3 normal;
};
// The sticker square of `side` at `distance` from the cubie centre (0.5 on the
// cubie, 3 for the floating projection panels), in the vertex order of the flat stickers.
StickerQuad StickerQuadOf(int side, float distance);
// The same square in the vertex order of the textured stickers, whose k-th
// vertex takes the k-th texture coordinate of the sticker's orientation row.
StickerQuad TexturedQuadOf(int side, float distance);

// Texture coordinates of the four textured-quad vertices for each sticker
// orientation 0..3 (quarter turns of the tile picture).
inline constexpr float kStickerTexCoords[4][4][2] = {
    {{1, 1}, {0, 1}, {0, 0}, {1, 0}},
    {{0, 1}, {0, 0}, {1, 0}, {1, 1}},
    {{0, 0}, {1, 0}, {1, 1}, {0, 1}},
    {{1, 0}, {1, 1}, {0, 1}, {0, 0}},
};

}  // namespace view
