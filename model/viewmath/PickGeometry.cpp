#include "model/viewmath/PickGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace viewmath {

int SideOf(Point2 p, Point2 q, Point2 s) {
  const double dx = q.x - p.x, dy = q.y - p.y;
  double mine, line;
  if (std::fabs(dy) < std::fabs(dx)) {
    line = p.y + dy * (s.x - p.x) / dx;
    mine = s.y;
  } else {
    if (dy == 0) return 0;  // p == q: no line
    line = p.x + dx * (s.y - p.y) / dy;
    mine = s.x;
  }
  return mine > line ? 1 : (mine < line ? -1 : 0);
}

namespace {

struct Corner {
  Point2 xy;
  double depth;
};

// Faces R, L, U, D, F, B: their quad corners (indices of the eight cube
// corners) and their (axis, dir) per drag direction +A, −A, +B, −B.
struct FaceRule {
  int quad[4];
  int turn[4][2];
};
constexpr FaceRule kFaces[6] = {
    {{5, 1, 0, 4}, {{1, 0}, {1, 1}, {2, 1}, {2, 0}}},  // R: A = +Z, B = +Y
    {{6, 2, 3, 7}, {{1, 1}, {1, 0}, {2, 0}, {2, 1}}},  // L: A = +Z, B = +Y
    {{7, 4, 0, 3}, {{2, 0}, {2, 1}, {0, 1}, {0, 0}}},  // U: A = +X, B = +Z
    {{6, 5, 1, 2}, {{2, 1}, {2, 0}, {0, 0}, {0, 1}}},  // D: A = +X, B = +Z
    {{2, 1, 0, 3}, {{1, 1}, {1, 0}, {0, 0}, {0, 1}}},  // F: A = +X, B = +Y
    {{6, 5, 4, 7}, {{1, 0}, {1, 1}, {0, 1}, {0, 0}}},  // B: A = +X, B = +Y
};
constexpr double kCornerSigns[8][3] = {
    {1, 1, 1}, {1, -1, 1}, {-1, -1, 1}, {-1, 1, 1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}, {-1, 1, -1},
};

bool Between(int a, int b) { return !(a == 1 && b == 1) && !(a == -1 && b == -1); }

bool QuadContains(const Point2 c[4], Point2 s) {
  return Between(SideOf(c[0], c[1], s), SideOf(c[3], c[2], s)) &&
         Between(SideOf(c[0], c[3], s), SideOf(c[1], c[2], s));
}

double AngleDegrees(Point2 a, Point2 b) {
  const double dot = std::clamp(a.x * b.x + a.y * b.y, -1.0, 1.0);
  return std::acos(dot) * 180.0 / std::numbers::pi;
}

Point2 Normalised(Point2 v) {
  const double len = std::hypot(v.x, v.y);
  return len > 0 ? Point2{v.x / len, v.y / len} : v;
}

// The layer of the strip, out of `order` parallel strips, that holds s. The
// strips' boundary lines pass through `from` + k·step and `to` + k·step.
int LayerAt(int order, Point2 from, Point2 to, Point2 step, Point2 s) {
  auto side = [&](int k) {
    const Point2 p{from.x + k * step.x / order, from.y + k * step.y / order};
    const Point2 q{to.x + k * step.x / order, to.y + k * step.y / order};
    return SideOf(p, q, s);
  };
  for (int k = 0; k < order; ++k)
    if (Between(side(k), side(k + 1))) return k;
  return -1;
}

}  // namespace

std::optional<PickedTurn> PickTurnGeometry(int order, const Mat4& projection, const Mat4& modelView,
                                           const Viewport& viewport, int clientHeight,
                                           const DragPoints& drag, float minDragDistance,
                                           float maxDragAngle) {
  if (order < 1) return std::nullopt;
  const Point2 s{double(drag.startX), double(clientHeight - drag.startY)};
  const Point2 e{double(drag.endX), double(clientHeight - drag.endY)};
  const double h = order / 2.0;

  Corner corners[8];
  double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
  for (int i = 0; i < 8; ++i) {
    WinPoint w;
    if (!Project(h * kCornerSigns[i][0], h * kCornerSigns[i][1], h * kCornerSigns[i][2],
                 modelView, projection, viewport, w))
      return std::nullopt;
    corners[i] = {{w.x, w.y}, w.z};
    minX = std::min(minX, w.x);
    maxX = std::max(maxX, w.x);
    minY = std::min(minY, w.y);
    maxY = std::max(maxY, w.y);
  }
  if (s.x < minX || s.x > maxX || s.y < minY || s.y > maxY) return std::nullopt;

  int face = -1;
  double bestDepth = INFINITY;
  Point2 quad[4] = {};
  for (int f = 0; f < 6; ++f) {
    Point2 c[4];
    double depth = INFINITY;
    for (int k = 0; k < 4; ++k) {
      c[k] = corners[kFaces[f].quad[k]].xy;
      depth = std::min(depth, corners[kFaces[f].quad[k]].depth);
    }
    if (QuadContains(c, s) && depth < bestDepth) {
      face = f;
      bestDepth = depth;
      std::copy(c, c + 4, quad);
    }
  }
  if (face < 0) return std::nullopt;

  Point2 g{e.x - s.x, e.y - s.y};
  if (std::hypot(g.x, g.y) < minDragDistance) return std::nullopt;
  const Point2 a = Normalised({quad[1].x - quad[0].x, quad[1].y - quad[0].y});
  const Point2 b = Normalised({quad[2].x - quad[1].x, quad[2].y - quad[1].y});
  g = Normalised(g);
  const double alphaA = AngleDegrees(a, g), alphaB = AngleDegrees(b, g);
  const double deviation[4] = {alphaA, std::fabs(alphaA - 180), alphaB, std::fabs(alphaB - 180)};
  const double m = *std::min_element(deviation, deviation + 4);
  if (m > maxDragAngle) return std::nullopt;
  int along = 0;
  while (deviation[along] > m + 0.000001) ++along;

  int layer;
  if (along < 2)  // along ±A: count across the face along B
    layer = LayerAt(order, quad[0], quad[1],
                    {quad[2].x - quad[1].x, quad[2].y - quad[1].y}, s);
  else  // along ±B: count along A
    layer = LayerAt(order, quad[0], quad[3],
                    {quad[1].x - quad[0].x, quad[1].y - quad[0].y}, s);
  if (layer < 0) return std::nullopt;
  return PickedTurn{kFaces[face].turn[along][0], layer, kFaces[face].turn[along][1]};
}

}  // namespace viewmath
