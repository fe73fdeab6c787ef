#include "solvers/threestage/StickerCube.h"

#include <vector>

namespace threestage {

namespace {

struct Vec {
  int x, y, z;
};

Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
int Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
// A quarter turn clockwise as seen from the tip of the unit axis n.
Vec TurnClockwise(Vec v, Vec n) {
  Vec c = Cross(n, v);
  int d = Dot(n, v);
  return {n.x * d - c.x, n.y * d - c.y, n.z * d - c.z};
}

// Outward normals of the facelet blocks U F R B L D.
constexpr std::array<Vec, 6> kBlockNormal = {{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, -1, 0}}};

// Cubie of row r, column c of a block, as the block is seen from outside.
Vec CubieOf(int block, int r, int c) {
  switch (block) {
    case 0: return {c - 1, 1, r - 1};   // U: B at the top
    case 1: return {c - 1, 1 - r, 1};   // F
    case 2: return {1, 1 - r, 1 - c};   // R: F at the left
    case 3: return {1 - c, 1 - r, -1};  // B: R at the left
    case 4: return {-1, 1 - r, c - 1};  // L: B at the left
    default: return {c - 1, -1, 1 - r}; // D: F at the top
  }
}

struct Geometry {
  std::array<StickerPlace, kStickerCount> places{};
  std::array<Perm, kTurnCodes> turns{};
  std::array<Perm, kRotationCount> rotations{};
  std::array<std::array<int, kFaceCount>, kRotationCount> faceMaps{};
  std::array<int, kRotationCount> inverse{};
  std::array<std::array<int, kRotationCount>, kRotationCount> compose{};
  std::array<std::array<std::array<int, 4>, 4>, 4> index{};  // [x][y][z] turns
};

int FindPosition(const std::array<StickerPlace, kStickerCount>& places, Vec pos, Vec nor) {
  for (int i = 0; i < kStickerCount; ++i) {
    const StickerPlace& s = places[i];
    if (s.x == pos.x && s.y == pos.y && s.z == pos.z && s.nx == nor.x && s.ny == nor.y && s.nz == nor.z) return i;
  }
  return -1;
}

Perm PermOf(const Geometry& g, Vec axis, bool wholeCube) {
  Perm p{};
  for (int i = 0; i < kStickerCount; ++i) {
    const StickerPlace& s = g.places[i];
    Vec pos{s.x, s.y, s.z}, nor{s.nx, s.ny, s.nz};
    if (!wholeCube && Dot(pos, axis) != 1) {
      p[i] = static_cast<std::uint8_t>(i);
      continue;
    }
    Vec np = TurnClockwise(pos, axis), nn = TurnClockwise(nor, axis);
    p[i] = static_cast<std::uint8_t>(FindPosition(g.places, np, nn));
  }
  return p;
}

Perm Then(const Perm& first, const Perm& second) {
  Perm p{};
  for (int i = 0; i < kStickerCount; ++i) p[i] = second[first[i]];
  return p;
}

Perm Power(const Perm& p, int n) {
  Perm r{};
  for (int i = 0; i < kStickerCount; ++i) r[i] = static_cast<std::uint8_t>(i);
  for (int k = 0; k < n; ++k) r = Then(r, p);
  return r;
}

void PlaceStickers(Geometry& g) {
  for (int b = 0; b < 6; ++b) {
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) {
        Vec cubie = CubieOf(b, r, c);
        Vec n = kBlockNormal[b];
        g.places[b * 9 + r * 3 + c] = {cubie.x, cubie.y, cubie.z, n.x, n.y, n.z};
      }
    }
  }
}

const Geometry& TheGeometry() {
  static const Geometry geometry = [] {
    Geometry g;
    PlaceStickers(g);
    for (int f = 0; f < kFaceCount; ++f) {
      Perm quarter = PermOf(g, kBlockNormal[kBlockOfFace[f]], false);
      for (int a = 1; a <= 3; ++a) g.turns[TurnCode(f, a)] = Power(quarter, a);
    }
    // Every rotation as x^i y^j z^k; the 64 products cover the 24 rotations.
    const Perm x = PermOf(g, {1, 0, 0}, true), y = PermOf(g, {0, 1, 0}, true), z = PermOf(g, {0, 0, 1}, true);
    int count = 0;
    for (int i = 0; i < 4; ++i) {
      for (int j = 0; j < 4; ++j) {
        for (int k = 0; k < 4; ++k) {
          Perm p = Then(Then(Power(x, i), Power(y, j)), Power(z, k));
          int found = -1;
          for (int r = 0; r < count; ++r) {
            if (g.rotations[r] == p) found = r;
          }
          if (found < 0) {
            found = count++;
            g.rotations[found] = p;
          }
          g.index[i][j][k] = found;
        }
      }
    }
    for (int r = 0; r < kRotationCount; ++r) {
      for (int f = 0; f < kFaceCount; ++f) {
        int centre = g.rotations[r][CentrePosition(f)];
        g.faceMaps[r][f] = kFaceOfBlock[centre / 9];
      }
      for (int s = 0; s < kRotationCount; ++s) {
        const Perm both = Then(g.rotations[r], g.rotations[s]);
        if (both == Power(x, 0)) g.inverse[r] = s;
        for (int t = 0; t < kRotationCount; ++t) {
          if (g.rotations[t] == both) g.compose[r][s] = t;
        }
      }
    }
    return g;
  }();
  return geometry;
}

}  // namespace

const StickerPlace& PlaceOf(int position) { return TheGeometry().places[position]; }

int PositionAt(int x, int y, int z, int nx, int ny, int nz) {
  return FindPosition(TheGeometry().places, {x, y, z}, {nx, ny, nz});
}

const Perm& TurnPerm(int code) { return TheGeometry().turns[code]; }

State SolvedState() {
  State s{};
  for (int i = 0; i < kStickerCount; ++i) s[i] = static_cast<std::uint8_t>(i);
  return s;
}

void ApplyTurn(State& state, int code) {
  const Perm& p = TurnPerm(code);
  for (auto& position : state) position = p[position];
}

const Perm& RotationPerm(int rotation) { return TheGeometry().rotations[rotation]; }
const std::array<int, kFaceCount>& RotationFaceMap(int rotation) { return TheGeometry().faceMaps[rotation]; }
int RotationIndex(int xTurns, int yTurns, int zTurns) {
  return TheGeometry().index[xTurns & 3][yTurns & 3][zTurns & 3];
}
int InverseRotation(int rotation) { return TheGeometry().inverse[rotation]; }
int ComposeRotations(int first, int second) { return TheGeometry().compose[first][second]; }

State RotatedState(const State& state, int rotation) {
  const Perm& g = RotationPerm(rotation);
  State out{};
  for (int i = 0; i < kStickerCount; ++i) out[g[i]] = g[state[i]];
  return out;
}

}  // namespace threestage
