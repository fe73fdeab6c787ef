#include "solvers/nxn/NxNGeometry.h"

#include <memory>
#include <mutex>
#include <numeric>

namespace nxn {

namespace {

using Point = std::array<int, 3>;

// Doubled position of the sticker at (row, column) of a face.
Point StickerPoint(int n, int face, int row, int col) {
  const int m = n - 1;
  switch (face) {
    case kFaceL: return {-n, m - 2 * col, m - 2 * row};
    case kFaceR: return {n, m - 2 * col, m - 2 * row};
    case kFaceU: return {2 * col - m, n, m - 2 * row};
    case kFaceD: return {2 * col - m, -n, m - 2 * row};
    case kFaceF: return {2 * col - m, m - 2 * row, n};
    default: return {2 * col - m, m - 2 * row, -n};
  }
}

// A positive quarter turn about each axis (see the header for the senses).
Point Rotate(int axis, const Point& p) {
  const auto [x, y, z] = p;
  if (axis == 0) return {x, -z, y};
  if (axis == 1) return {z, y, -x};
  return {y, -x, z};
}

int Clamp(int v, int lim) { return v < -lim ? -lim : (v > lim ? lim : v); }

int Find(std::vector<int>& parent, int a) {
  while (parent[a] != a) a = parent[a] = parent[parent[a]];
  return a;
}

void BuildTurns(Geometry& g) {
  const int n = g.n;
  g.turn.assign(3 * n, {});
  for (int axis = 0; axis < 3; ++axis)
    for (int layer = 0; layer < n; ++layer) {
      std::vector<bool> done(g.count, false);
      for (int s = 0; s < g.count; ++s) {
        if (done[s] || g.cubie[s][axis] != layer) continue;
        Cycle4 c{};
        int at = s;
        for (int i = 0; i < 4; ++i) {
          c[i] = at;
          done[at] = true;
          at = g.Index(Rotate(axis, g.point[at]));
        }
        if (c[1] != c[0]) g.turn[axis * n + layer].push_back(c);
      }
    }
}

void BuildOrbits(Geometry& g) {
  std::vector<int> parent(g.count);
  std::iota(parent.begin(), parent.end(), 0);
  for (const auto& cycles : g.turn)
    for (const auto& c : cycles)
      for (int i = 1; i < 4; ++i) parent[Find(parent, c[i])] = Find(parent, c[0]);
  g.orbit.resize(g.count);
  for (int s = 0; s < g.count; ++s) g.orbit[s] = Find(parent, s);
}

// The 24 orientations in the solver's order: for pass p, j, k the whole cube is
// turned 3−p quarter turns about axis 0, 3−j about axis 1, k+1 about axis 2.
void BuildRotations(Geometry& g) {
  int o = 0;
  for (int p = 0; p < 2; ++p)
    for (int j = 0; j < 4; ++j) {
      if (p == 1 && (j == 0 || j == 2)) continue;
      for (int k = 0; k < 4; ++k) {
        const std::array<int, 3> turns = {3 - p, (3 - j) % 4, (k + 1) % 4};
        auto& r = g.rotation[o++];
        r.resize(g.count);
        for (int s = 0; s < g.count; ++s) {
          Point q = g.point[s];
          for (int axis = 0; axis < 3; ++axis)
            for (int t = 0; t < turns[axis]; ++t) q = Rotate(axis, q);
          r[s] = g.Index(q);
        }
      }
    }
}

int NormalAxis(const Geometry& g, int s) {
  for (int a = 0; a < 3; ++a)
    if (g.point[s][a] == g.n || g.point[s][a] == -g.n) return a;
  return 0;
}

std::array<int, 3> Normal(const Geometry& g, int s) {
  std::array<int, 3> v{};
  const int a = NormalAxis(g, s);
  v[a] = g.point[s][a] > 0 ? 1 : -1;
  return v;
}

std::array<int, 3> Cross(const std::array<int, 3>& a, const std::array<int, 3>& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

int Dot(const std::array<int, 3>& a, const std::array<int, 3>& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Groups the stickers by cubie and puts each piece's stickers in reading order.
void BuildPieces(Geometry& g) {
  std::vector<std::vector<int>> byCubie(g.n * g.n * g.n);
  for (int s = 0; s < g.count; ++s) {
    const auto& c = g.cubie[s];
    byCubie[(c[0] * g.n + c[1]) * g.n + c[2]].push_back(s);
  }
  for (auto& st : byCubie) {
    if (st.size() == 1) g.centres.push_back(st[0]);
    if (st.size() == 3) {
      std::array<int, 3> c = {st[0], st[1], st[2]};
      for (int i = 0; i < 3; ++i)
        if (NormalAxis(g, c[i]) == 1) std::swap(c[0], c[i]);
      if (Dot(Cross(Normal(g, c[0]), Normal(g, c[1])), Normal(g, c[2])) < 0) std::swap(c[1], c[2]);
      g.corners.push_back(c);
    }
    if (st.size() == 2) {
      std::array<int, 2> e = {st[0], st[1]};
      int along = 0;  // the axis the edge runs along
      for (int a = 0; a < 3; ++a)
        if (NormalAxis(g, e[0]) != a && NormalAxis(g, e[1]) != a) along = a;
      const int offset = g.point[e[0]][along];  // doubled distance from the edge's middle
      if (offset == 0) {
        const int a1 = NormalAxis(g, e[1]);
        if (a1 == 1 || (a1 == 2 && NormalAxis(g, e[0]) != 1)) std::swap(e[0], e[1]);
        g.middleEdges.push_back(e);
      } else {
        if (Cross(Normal(g, e[0]), Normal(g, e[1]))[along] * offset < 0) std::swap(e[0], e[1]);
        g.wings.push_back(e);
      }
    }
  }
  for (int f = 0; f < 6; ++f) {
    const int s = f * g.n * g.n;
    g.faceNormal[f] = NormalAxis(g, s) * 2 + (g.point[s][NormalAxis(g, s)] > 0 ? 1 : 0);
  }
}

std::unique_ptr<Geometry> Build(int n) {
  auto g = std::make_unique<Geometry>();
  g->n = n;
  g->count = 6 * n * n;
  for (int f = 0; f < 6; ++f)
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c) {
        const Point p = StickerPoint(n, f, r, c);
        const int m = n - 1;
        const int cx = Clamp(p[0], m), cy = Clamp(p[1], m), cz = Clamp(p[2], m);
        g->point.push_back(p);
        g->cubie.push_back({(cx + m) / 2, (m - cy) / 2, (m - cz) / 2});
        g->face.push_back(f);
        int outer = 0;
        for (int a = 0; a < 3; ++a) {
          const int l = g->cubie.back()[a];
          outer += (l == 0 || l == m);
        }
        g->kind.push_back(outer == 3 ? PieceKind::kCorner
                                     : (outer == 2 ? PieceKind::kEdge : PieceKind::kCentre));
      }
  BuildTurns(*g);
  BuildOrbits(*g);
  BuildRotations(*g);
  BuildPieces(*g);
  return g;
}

}  // namespace

int Geometry::Index(const std::array<int, 3>& p) const {
  for (int f = 0; f < 6; ++f) {
    // Each face's stickers lie on one plane; invert StickerPoint for that face.
    const int m = n - 1;
    int row = -1, col = -1;
    switch (f) {
      case kFaceL: if (p[0] != -n) continue; row = (m - p[2]) / 2; col = (m - p[1]) / 2; break;
      case kFaceR: if (p[0] != n) continue; row = (m - p[2]) / 2; col = (m - p[1]) / 2; break;
      case kFaceU: if (p[1] != n) continue; row = (m - p[2]) / 2; col = (p[0] + m) / 2; break;
      case kFaceD: if (p[1] != -n) continue; row = (m - p[2]) / 2; col = (p[0] + m) / 2; break;
      case kFaceF: if (p[2] != n) continue; row = (m - p[1]) / 2; col = (p[0] + m) / 2; break;
      default: if (p[2] != -n) continue; row = (m - p[1]) / 2; col = (p[0] + m) / 2; break;
    }
    if (row < 0 || row >= n || col < 0 || col >= n) return -1;
    return f * n * n + row * n + col;
  }
  return -1;
}

const Geometry& GeometryOf(int order) {
  static std::array<std::unique_ptr<Geometry>, 8> built;
  static std::array<std::once_flag, 8> once;
  std::call_once(once[order], [order] { built[order] = Build(order); });
  return *built[order];
}

}  // namespace nxn
