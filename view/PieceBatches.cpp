#include "view/PieceBatches.h"

#include <cmath>
#include <numbers>

#include "view/CubieShadow.h"

namespace view {

namespace {

// Below this (a cosine) a face counts as turned away; faces nearer to edge-on
// are treated as facing the viewer, which only ever draws more.
constexpr float kFacingMargin = 1e-3f;

float Dot(const Vec3& a, const model::Vec3f& b) { return a[0] * b.x + a[1] * b.y + a[2] * b.z; }

// True when triangle a b c faces away from the viewer (or has no area).
bool TriangleFacesAway(const Vec3& a, const Vec3& b, const Vec3& c, const model::Vec3f& towardViewer) {
  const Vec3 u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  const Vec3 w{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
  const Vec3 n{u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
  const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  return length == 0 || Dot(n, towardViewer) < -kFacingMargin * length;
}

// `v` turned by `degrees` about the unit vector `axis` (right-handed, as glRotate).
model::Vec3f Rotated(const model::Vec3f& v, const model::Vec3f& axis, float degrees) {
  const float a = degrees * std::numbers::pi_v<float> / 180;
  const float c = std::cos(a), s = std::sin(a);
  const float along = (axis.x * v.x + axis.y * v.y + axis.z * v.z) * (1 - c);
  const model::Vec3f cross = axis.Cross(v);
  return {v.x * c + cross.x * s + axis.x * along, v.y * c + cross.y * s + axis.y * along,
          v.z * c + cross.z * s + axis.z * along};
}

}  // namespace

int TurnAxisOf(const model::WCubePiece& piece) {
  if (piece.turnAxis.x != 0) return 0;
  if (piece.turnAxis.y != 0) return 1;
  return 2;
}

int ColourBucket(int colour, int count) { return colour >= 0 && colour < count ? colour : model::kNoSticker; }

std::array<bool, 6> SidesToDraw(const model::WCubePiece& piece, const std::array<bool, 6>& visible,
                                bool textured) {
  std::array<bool, 6> draw{};
  if (!piece.inTurn) {
    for (int axis = 0; axis < 3; ++axis) draw[2 * axis + (visible[2 * axis] ? 0 : 1)] = true;
    return draw;
  }
  draw.fill(true);
  if (textured) {
    // Of the two sides on the turn axis, only the one on the visible side.
    const int axis = TurnAxisOf(piece);
    if (visible[2 * axis + 1]) draw[2 * axis] = false;
    if (visible[2 * axis]) draw[2 * axis + 1] = false;
  }
  return draw;
}

bool ClosedTowards(const std::array<bool, 6>& drawn, const model::Vec3f& towardViewer) {
  const float along[3] = {towardViewer.x, towardViewer.y, towardViewer.z};
  for (int side = 0; side < 6; ++side) {
    const float facing = side % 2 == 0 ? along[side / 2] : -along[side / 2];
    if (facing > -kFacingMargin && !drawn[side]) return false;
  }
  return true;
}

std::array<bool, kBodyQuadCount> BackFacingBodyQuads(const model::Vec3f& towardViewer) {
  std::array<bool, kBodyQuadCount> away{};
  const std::vector<BodyQuad>& quads = BodyQuads();
  for (size_t q = 0; q < quads.size(); ++q) {
    const Vec3* v = quads[q].vertex;
    // Both diagonals: the quad may be split along either.
    away[q] = TriangleFacesAway(v[0], v[1], v[2], towardViewer) &&
              TriangleFacesAway(v[0], v[2], v[3], towardViewer) &&
              TriangleFacesAway(v[0], v[1], v[3], towardViewer) &&
              TriangleFacesAway(v[1], v[2], v[3], towardViewer);
  }
  return away;
}

void PieceBatches::Build(const model::WCube& cube, const std::array<bool, 6>& visible, bool textured,
                         const model::Vec3f& towardViewer) {
  for (size_t g = 0; g < used_; ++g) {
    groups_[g].closedBodies.clear();
    groups_[g].openBodies.clear();
    for (auto& s : groups_[g].stickers) s.clear();
  }
  used_ = 0;
  const int n = cube.Order();
  cells_.assign(size_t(n) * n * n, Cell{});
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < n; ++k) {
        const bool surface = i == 0 || j == 0 || k == 0 || i == n - 1 || j == n - 1 || k == n - 1;
        const model::WCubePiece* piece = cube.Piece(i, j, k);
        if (!surface || !piece) continue;  // inner cubies are never seen
        Cell& cell = cells_[(size_t(i) * n + j) * n + k];
        cell.piece = piece;
        cell.group = GroupFor(*piece, towardViewer);
        cell.sides = SidesToDraw(*piece, visible, textured);
        cell.closed = ClosedTowards(cell.sides, groups_[cell.group].towardViewer);
      }
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < n; ++k) {
        const Cell& cell = cells_[(size_t(i) * n + j) * n + k];
        if (cell.piece) AddPiece(cell, cube.SlotCentre(i, j, k), HiddenQuads(i, j, k, n), textured);
      }
}

int PieceBatches::GroupFor(const model::WCubePiece& piece, const model::Vec3f& towardViewer) {
  // A piece at rest draws unrotated whatever its axis says.
  const float angle = piece.turnAngle;
  const model::Vec3f axis = angle != 0 ? piece.turnAxis : model::Vec3f{0, 1, 0};
  for (size_t g = 0; g < used_; ++g)
    if (groups_[g].angle == angle && groups_[g].axis == axis) return int(g);
  if (used_ == groups_.size()) groups_.emplace_back();
  PieceGroup& group = groups_[used_];
  group.angle = angle;
  group.axis = axis;
  // The group is drawn turned by `angle`: in its frame the viewer lies turned back.
  group.towardViewer = Rotated(towardViewer, axis, -angle);
  group.backFacing = BackFacingBodyQuads(group.towardViewer);
  for (int d = 0; d < 27; ++d)
    group.behindNeighbour[d] = d == 13 ? 0 : BodyQuadsBehind(group.towardViewer, {d / 9 - 1, d / 3 % 3 - 1, d % 3 - 1});
  return int(used_++);
}

std::uint64_t PieceBatches::HiddenQuads(int i, int j, int k, int order) const {
  // Only a drawn neighbour that is closed towards the viewer and turns with
  // this cubie covers it.
  const Cell& self = cells_[(size_t(i) * order + j) * order + k];
  const PieceGroup& group = groups_[self.group];
  std::uint64_t hidden = 0;
  for (int d = 0; d < 27; ++d) {
    const int x = i + d / 9 - 1, y = j + d / 3 % 3 - 1, z = k + d % 3 - 1;
    if (d == 13 || x < 0 || y < 0 || z < 0 || x >= order || y >= order || z >= order) continue;
    const Cell& other = cells_[(size_t(x) * order + y) * order + z];
    if (other.piece && other.closed && other.group == self.group) hidden |= group.behindNeighbour[d];
  }
  return hidden;
}

void PieceBatches::AddPiece(const Cell& cell, const model::Vec3f& centre, std::uint64_t hidden, bool textured) {
  const model::WCubePiece& piece = *cell.piece;
  PieceGroup& group = groups_[cell.group];
  const float c[3] = {centre.x, centre.y, centre.z};
  std::vector<BodyVertex>& bodies = cell.closed ? group.closedBodies : group.openBodies;
  const std::vector<BodyQuad>& quads = BodyQuads();
  for (size_t q = 0; q < quads.size(); ++q) {
    if ((cell.closed && group.backFacing[q]) || (hidden >> q & 1)) continue;
    for (int v = 0; v < 4; ++v) {
      BodyVertex& out = bodies.emplace_back();
      for (int a = 0; a < 3; ++a) {
        out.position[a] = quads[q].vertex[v][a] + c[a];
        out.normal[a] = quads[q].normal[v][a];
      }
    }
  }
  for (int side = 0; side < 6; ++side) {
    if (!cell.sides[side]) continue;
    const int bucket = ColourBucket(piece.faceColour[side], textured ? kTileColourCount : kFlatColourCount);
    const StickerQuad q = textured ? TexturedQuadOf(side, 0.5f) : StickerQuadOf(side, 0.5f);
    const int orientation = piece.stickerTurn[side] & 3;
    for (int v = 0; v < 4; ++v) {
      StickerVertex& out = group.stickers[bucket].emplace_back();
      for (int a = 0; a < 3; ++a) {
        out.position[a] = q.vertex[v][a] + c[a];
        out.normal[a] = q.normal[a];
      }
      out.texCoord[0] = kStickerTexCoords[orientation][v][0];
      out.texCoord[1] = kStickerTexCoords[orientation][v][1];
    }
  }
}

}  // namespace view
