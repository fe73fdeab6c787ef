#pragma once
// The drawn geometry of a whole cube gathered into a few vertex arrays, so
// that a frame is a handful of draw calls rather than several per cubie.
// Pieces that share a turn (angle and axis) form one group, drawn under that
// rotation; within a group the bodies form two arrays of quads and the
// stickers one array of quads per colour index. Built without GL calls.
//
// A cubie whose every side towards the viewer carries a sticker is closed on
// that side; being convex, the far half of its body lies behind its near
// half, so its back faces are left out (and the rest is drawn with back-face
// culling). A cubie with a bare side towards the viewer (the visible faces
// not yet brought up to date with the camera) is drawn whole. Body quads that
// lie behind a closed neighbour of the same group are left out as well
// (view/CubieShadow.h).
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/WCube.h"
#include "view/CubieGeometry.h"

namespace view {

struct BodyVertex {
  float position[3];
  float normal[3];
};

struct StickerVertex {
  float position[3];
  float normal[3];
  float texCoord[2];
};

// Flat stickers are coloured from the sticker palette (indices 0..8), textured
// ones bind the tile of their colour (0..6); other colours draw as inner faces.
inline constexpr int kFlatColourCount = 9;
inline constexpr int kTileColourCount = 7;

struct PieceGroup {
  float angle = 0;  // degrees about `axis`; 0 for pieces at rest
  model::Vec3f axis{0, 1, 0};
  model::Vec3f towardViewer;                     // in the group's turned frame
  std::array<bool, kBodyQuadCount> backFacing{};  // body quads left out of closed bodies
  // By neighbour offset (dx + 1) * 9 + (dy + 1) * 3 + (dz + 1): the body quads
  // hidden behind a closed neighbour there.
  std::array<std::uint64_t, 27> behindNeighbour{};
  std::vector<BodyVertex> closedBodies;  // back faces left out: draw with culling
  std::vector<BodyVertex> openBodies;    // whole bodies: draw without culling
  std::array<std::vector<StickerVertex>, kFlatColourCount> stickers;
};

// The axis (0 X, 1 Y, 2 Z) of a piece's turn.
int TurnAxisOf(const model::WCubePiece& piece);
// The palette or tile index a sticker colour draws with: colours outside
// 0..count-1 draw as inner faces.
int ColourBucket(int colour, int count);

// The sides (FaceSlot order) whose stickers a piece shows: at rest the three
// facing the viewer; while its layer turns all six, except that textured
// drawing leaves out the side along the turn axis that faces away.
std::array<bool, 6> SidesToDraw(const model::WCubePiece& piece, const std::array<bool, 6>& visible,
                                bool textured);

// True when every side facing (or edge-on to) the viewer is among `drawn`.
// `towardViewer` is the direction to the viewer in the cubie's frame.
bool ClosedTowards(const std::array<bool, 6>& drawn, const model::Vec3f& towardViewer);

// The body quads that face away from the viewer however they are split into
// triangles: back-face culling would drop all of them.
std::array<bool, kBodyQuadCount> BackFacingBodyQuads(const model::Vec3f& towardViewer);

class PieceBatches {
 public:
  // Gathers the surface pieces of `cube` with the faces in `visible` shown at
  // rest; `towardViewer` is the direction to the (orthographic) viewer in the
  // cube's frame. Keeps the arrays' memory from one frame to the next.
  void Build(const model::WCube& cube, const std::array<bool, 6>& visible, bool textured,
             const model::Vec3f& towardViewer);
  std::span<const PieceGroup> Groups() const { return {groups_.data(), used_}; }

 private:
  // What the first pass learns of each grid cell.
  struct Cell {
    const model::WCubePiece* piece = nullptr;  // null: not drawn
    int group = 0;
    bool closed = false;
    std::array<bool, 6> sides{};
  };
  int GroupFor(const model::WCubePiece& piece, const model::Vec3f& towardViewer);
  std::uint64_t HiddenQuads(int i, int j, int k, int order) const;
  void AddPiece(const Cell& cell, const model::Vec3f& centre, std::uint64_t hidden, bool textured);

  std::vector<PieceGroup> groups_;
  size_t used_ = 0;
  std::vector<Cell> cells_;  // [i][j][k], order³
};

}  // namespace view
