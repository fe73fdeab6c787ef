#include "view/CubieShadow.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "view/CubieGeometry.h"

namespace view {

static_assert(kBodyQuadCount <= 64, "one bit per body quad");

namespace {

// The cubie's core used as the occluder: the convex hull of its sticker
// corners (±0.5, ±0.4, ±0.4 and their permutations), which lies inside the
// drawn body, pulled in by a small margin. Planes n·x <= h.
constexpr float kMargin = 0.005f;

struct Plane {
  Vec3 normal;
  float limit;
};

std::vector<Plane> MakeCore() {
  std::vector<Plane> planes;
  auto add = [&](const Vec3& n, float h) {
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    planes.push_back({n, h - kMargin * length});
  };
  for (int a = 0; a < 3; ++a)
    for (float s : {1.0f, -1.0f}) {
      Vec3 n{0, 0, 0};
      n[a] = s;
      add(n, 0.5f);  // the sticker planes
    }
  for (int a = 0; a < 3; ++a)
    for (float s : {1.0f, -1.0f})
      for (float t : {1.0f, -1.0f}) {
        Vec3 n{0, 0, 0};
        n[a] = s;
        n[(a + 1) % 3] = t;
        add(n, 0.9f);  // across the rounded edges
      }
  for (float sx : {1.0f, -1.0f})
    for (float sy : {1.0f, -1.0f})
      for (float sz : {1.0f, -1.0f}) add({sx, sy, sz}, 1.3f);  // across the rounded corners
  return planes;
}

// True when the ray from `from` towards the viewer passes through the core of
// the cubie centred at `centre`, in front of `from`.
bool RayMeetsCore(const Vec3& from, const model::Vec3f& toward, const Vec3& centre) {
  static const std::vector<Plane> core = MakeCore();
  float enter = kMargin, leave = 1e9f;
  for (const Plane& p : core) {
    const float start = p.normal[0] * (from[0] - centre[0]) + p.normal[1] * (from[1] - centre[1]) +
                        p.normal[2] * (from[2] - centre[2]);
    const float rate = p.normal[0] * toward.x + p.normal[1] * toward.y + p.normal[2] * toward.z;
    if (std::fabs(rate) < 1e-9f) {
      if (start > p.limit) return false;
      continue;
    }
    const float bound = (p.limit - start) / rate;
    if (rate > 0)
      leave = std::min(leave, bound);
    else
      enter = std::max(enter, bound);
  }
  return enter < leave;
}

}  // namespace

std::uint64_t BodyQuadsBehind(const model::Vec3f& towardViewer, const std::array<int, 3>& offset) {
  const Vec3 centre{float(offset[0]), float(offset[1]), float(offset[2])};
  // The plane through the shared corner, edge or face, square to the offset,
  // parts the two cubies: a neighbour no nearer to the viewer covers nothing.
  if (centre[0] * towardViewer.x + centre[1] * towardViewer.y + centre[2] * towardViewer.z <= 0) return 0;
  std::uint64_t behind = 0;
  const std::vector<BodyQuad>& quads = BodyQuads();
  for (size_t q = 0; q < quads.size(); ++q) {
    // The region covered by a convex occluder is convex: the corners suffice.
    bool covered = true;
    for (int v = 0; v < 4 && covered; ++v) covered = RayMeetsCore(quads[q].vertex[v], towardViewer, centre);
    if (covered) behind |= std::uint64_t{1} << q;
  }
  return behind;
}

}  // namespace view
