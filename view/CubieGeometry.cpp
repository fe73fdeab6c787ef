#include "view/CubieGeometry.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace view {

namespace {

constexpr float kBox = 0.4f;
constexpr float kRadius = 0.1f;
constexpr float kQuarter = std::numbers::pi_v<float> / 4;

// Axis index and sign of each side.
constexpr int kSideAxis[6] = {0, 0, 1, 1, 2, 2};
constexpr float kSideSign[6] = {1, -1, 1, -1, 1, -1};

// Unit-square corners (in units of 0.4) of each side in the flat stickers' order,
// given as full 3D points with the side's own coordinate set to ±1.
constexpr float kListCorners[6][4][3] = {
    {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}},      // +X
    {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}},  // −X
    {{1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}},      // +Y
    {{1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}},  // −Y
    {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}},      // +Z
    {{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}},  // −Z
};
// Textured order: the same squares, with −Z starting at its top left so that
// orientation 0 shows the tile upright from outside.
constexpr float kTexturedCorners[6][4][3] = {
    {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}},
    {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}},
    {{1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}},
    {{1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}},
    {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}},
    {{-1, 1, -1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}},
};

StickerQuad QuadFrom(const float corners[4][3], int side, float distance) {
  StickerQuad q{};
  const int axis = kSideAxis[side];
  for (int v = 0; v < 4; ++v)
    for (int c = 0; c < 3; ++c)
      q.vertex[v][c] = c == axis ? kSideSign[side] * distance : corners[v][c] * kBox;
  q.normal = {0, 0, 0};
  q.normal[axis] = kSideSign[side];
  return q;
}

// Reverses a quad that runs clockwise seen from outside (against its vertex
// normals). The reversal keeps the first and third vertices in place, so the
// quad splits into the same two triangles either way.
void OrientOutward(BodyQuad& q) {
  Vec3 area{0, 0, 0};  // Newell's normal: also right when two vertices coincide
  Vec3 outward{0, 0, 0};
  for (int v = 0; v < 4; ++v) {
    const Vec3& a = q.vertex[v];
    const Vec3& b = q.vertex[(v + 1) % 4];
    area[0] += (a[1] - b[1]) * (a[2] + b[2]);
    area[1] += (a[2] - b[2]) * (a[0] + b[0]);
    area[2] += (a[0] - b[0]) * (a[1] + b[1]);
    for (int c = 0; c < 3; ++c) outward[c] += q.normal[v][c];
  }
  if (area[0] * outward[0] + area[1] * outward[1] + area[2] * outward[2] >= 0) return;
  std::swap(q.vertex[1], q.vertex[3]);
  std::swap(q.normal[1], q.normal[3]);
}

std::vector<BodyQuad> MakeBody() {
  std::vector<BodyQuad> quads;
  // Corner patches: octants of a sphere about (±0.4, ±0.4, ±0.4).
  for (int corner = 0; corner < 8; ++corner) {
    const float s[3] = {corner & 1 ? -1.0f : 1.0f, corner & 2 ? -1.0f : 1.0f, corner & 4 ? -1.0f : 1.0f};
    auto point = [&](int i, int j, Vec3& v, Vec3& n) {
      const float theta = i * kQuarter, phi = j * kQuarter;
      const float d[3] = {std::cos(theta), std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi)};
      for (int c = 0; c < 3; ++c) {
        n[c] = s[c] * d[c];
        v[c] = s[c] * kBox + kRadius * n[c];
      }
    };
    for (int i = 0; i < 2; ++i)
      for (int j = 0; j < 2; ++j) {
        BodyQuad q;
        point(i, j, q.vertex[0], q.normal[0]);
        point(i + 1, j, q.vertex[1], q.normal[1]);
        point(i + 1, j + 1, q.vertex[2], q.normal[2]);
        point(i, j + 1, q.vertex[3], q.normal[3]);
        quads.push_back(q);
      }
  }
  // Edge strips: quarter cylinders along each axis at the four (±, ±) edges.
  for (int axis = 0; axis < 3; ++axis) {
    const int u = (axis + 1) % 3, w = (axis + 2) % 3;
    for (int edge = 0; edge < 4; ++edge) {
      const float su = edge & 1 ? -1.0f : 1.0f, sw = edge & 2 ? -1.0f : 1.0f;
      auto point = [&](float along, int step, Vec3& v, Vec3& n) {
        const float alpha = step * kQuarter;
        n = {0, 0, 0};
        n[u] = su * std::cos(alpha);
        n[w] = sw * std::sin(alpha);
        v[axis] = along;
        v[u] = su * kBox + kRadius * n[u];
        v[w] = sw * kBox + kRadius * n[w];
      };
      for (int step = 0; step < 2; ++step) {
        BodyQuad q;
        point(-kBox, step, q.vertex[0], q.normal[0]);
        point(kBox, step, q.vertex[1], q.normal[1]);
        point(kBox, step + 1, q.vertex[2], q.normal[2]);
        point(-kBox, step + 1, q.vertex[3], q.normal[3]);
        quads.push_back(q);
      }
    }
  }
  for (BodyQuad& q : quads) OrientOutward(q);
  return quads;
}

}  // namespace

const std::vector<BodyQuad>& BodyQuads() {
  static const std::vector<BodyQuad> quads = MakeBody();
  return quads;
}

StickerQuad StickerQuadOf(int side, float distance) {
  return QuadFrom(kListCorners[side], side, distance);
}

StickerQuad TexturedQuadOf(int side, float distance) {
  return QuadFrom(kTexturedCorners[side], side, distance);
}

}  // namespace view
