#include "solvers/threestage/CubePieces.h"

#include <cstddef>

namespace threestage {

namespace {

struct Cubie {
  int x, y, z;
};
constexpr std::array<Cubie, kCornerCount> kCornerCubies = {
    {{1, 1, 1}, {-1, 1, 1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}}};
constexpr std::array<Cubie, kEdgeCount> kEdgeCubies = {{{0, 1, 1},
                                                        {-1, 1, 0},
                                                        {0, 1, -1},
                                                        {1, 1, 0},
                                                        {1, 0, 1},
                                                        {-1, 0, 1},
                                                        {-1, 0, -1},
                                                        {1, 0, -1},
                                                        {0, -1, 1},
                                                        {-1, -1, 0},
                                                        {0, -1, -1},
                                                        {1, -1, 0}}};

struct PieceTables {
  std::array<std::array<std::uint8_t, 3>, kCornerCount> corners{};
  std::array<std::array<std::uint8_t, 2>, kEdgeCount> edges{};
  std::array<std::int8_t, kStickerCount> cornerSpot{}, edgeSpot{};

  PieceTables() {
    cornerSpot.fill(-1);
    edgeSpot.fill(-1);
    for (int c = 0; c < kCornerCount; ++c) {
      const Cubie& q = kCornerCubies[c];
      const int a = PositionAt(q.x, q.y, q.z, 0, q.y, 0);
      const int b1 = PositionAt(q.x, q.y, q.z, q.x, 0, 0);
      const int b2 = PositionAt(q.x, q.y, q.z, 0, 0, q.z);
      // Clockwise seen from outside means the three normals in order have
      // determinant −1; for the order (y, x, z) the determinant is −x·y·z.
      const bool xFirst = q.x * q.y * q.z == 1;
      corners[c] = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(xFirst ? b1 : b2),
                    static_cast<std::uint8_t>(xFirst ? b2 : b1)};
      for (int k = 0; k < 3; ++k) cornerSpot[corners[c][k]] = static_cast<std::int8_t>(c * 3 + k);
    }
    for (int e = 0; e < kEdgeCount; ++e) {
      const Cubie& q = kEdgeCubies[e];
      int first, second;
      if (q.y != 0) {
        first = PositionAt(q.x, q.y, q.z, 0, q.y, 0);
        second = q.x != 0 ? PositionAt(q.x, q.y, q.z, q.x, 0, 0) : PositionAt(q.x, q.y, q.z, 0, 0, q.z);
      } else {
        first = PositionAt(q.x, q.y, q.z, 0, 0, q.z);
        second = PositionAt(q.x, q.y, q.z, q.x, 0, 0);
      }
      edges[e] = {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second)};
      for (int k = 0; k < 2; ++k) edgeSpot[edges[e][k]] = static_cast<std::int8_t>(e * 2 + k);
    }
  }
};

const PieceTables& Tables() {
  static const PieceTables tables;
  return tables;
}

// Parity of a permutation given as an array of images.
template <std::size_t N>
int Parity(const std::array<int, N>& images) {
  int parity = 0;
  for (std::size_t i = 0; i < N; ++i) {
    for (std::size_t j = i + 1; j < N; ++j) parity ^= images[i] > images[j] ? 1 : 0;
  }
  return parity;
}

}  // namespace

const std::array<std::uint8_t, 3>& CornerStickers(int cubie) { return Tables().corners[cubie]; }
const std::array<std::uint8_t, 2>& EdgeStickers(int cubie) { return Tables().edges[cubie]; }
int CornerSpot(int position) { return Tables().cornerSpot[position]; }
int EdgeSpot(int position) { return Tables().edgeSpot[position]; }

Tracked TrackedOf(const State& state) {
  Tracked t{};
  for (int c = 0; c < kCornerCount; ++c) t[c] = state[CornerStickers(c)[0]];
  for (int e = 0; e < kEdgeCount; ++e) t[kCornerCount + e] = state[EdgeStickers(e)[0]];
  return t;
}

Tracked SolvedTracked() { return TrackedOf(SolvedState()); }

bool ReadColours(const std::array<std::uint8_t, kStickerCount>& colours, State& state) {
  // Colour -> facelet block, from the centres.
  std::array<int, 256> blockOf{};
  blockOf.fill(-1);
  for (int b = 0; b < 6; ++b) {
    const int colour = colours[b * 9 + 4];
    if (blockOf[colour] >= 0) return false;
    blockOf[colour] = b;
    state[b * 9 + 4] = static_cast<std::uint8_t>(b * 9 + 4);
  }
  std::array<int, kCornerCount> cornerAt{};  // home cubie at each position
  std::array<int, kEdgeCount> edgeAt{};
  std::array<bool, kCornerCount> cornerSeen{};
  std::array<bool, kEdgeCount> edgeSeen{};
  int twist = 0, flip = 0;
  for (int p = 0; p < kCornerCount; ++p) {
    const auto& at = CornerStickers(p);
    std::array<int, 3> blocks{};
    for (int k = 0; k < 3; ++k) blocks[k] = blockOf[colours[at[k]]];
    bool found = false;
    for (int h = 0; h < kCornerCount && !found; ++h) {
      const auto& home = CornerStickers(h);
      for (int t = 0; t < 3 && !found; ++t) {
        bool match = true;
        for (int k = 0; k < 3; ++k) match = match && home[(k + t) % 3] / 9 == blocks[k];
        if (!match || cornerSeen[h]) continue;
        found = true;
        cornerSeen[h] = true;
        cornerAt[p] = h;
        twist += t;
        for (int k = 0; k < 3; ++k) state[home[(k + t) % 3]] = at[k];
      }
    }
    if (!found) return false;
  }
  for (int p = 0; p < kEdgeCount; ++p) {
    const auto& at = EdgeStickers(p);
    const int b0 = blockOf[colours[at[0]]], b1 = blockOf[colours[at[1]]];
    bool found = false;
    for (int h = 0; h < kEdgeCount && !found; ++h) {
      const auto& home = EdgeStickers(h);
      for (int f = 0; f < 2 && !found; ++f) {
        if (edgeSeen[h] || home[f] / 9 != b0 || home[1 - f] / 9 != b1) continue;
        found = true;
        edgeSeen[h] = true;
        edgeAt[p] = h;
        flip += f;
        state[home[f]] = at[0];
        state[home[1 - f]] = at[1];
      }
    }
    if (!found) return false;
  }
  return twist % 3 == 0 && flip % 2 == 0 && Parity(cornerAt) == Parity(edgeAt);
}

int RankPlacement(const int* spots, int count, int stickersPerCubie, const std::int8_t* allowed, int allowedCount) {
  int rank = 0;
  unsigned used = 0;  // bits of allowed orders taken by earlier pieces
  for (int t = 0; t < count; ++t) {
    if (spots[t] < 0) return -1;
    const int order = allowed[spots[t] / stickersPerCubie];
    if (order < 0 || (used >> order & 1u)) return -1;
    const int below = __builtin_popcount(used & ((1u << order) - 1u));
    used |= 1u << order;
    rank = rank * (allowedCount - t) * stickersPerCubie + (order - below) * stickersPerCubie +
           spots[t] % stickersPerCubie;
  }
  return rank;
}

void UnrankPlacement(int rank, int count, int stickersPerCubie, const std::int8_t* allowed, int allowedCount,
                     int* spots) {
  std::array<int, 12> digits{};
  for (int t = count - 1; t >= 0; --t) {
    const int radix = (allowedCount - t) * stickersPerCubie;
    digits[t] = rank % radix;
    rank /= radix;
  }
  // Allowed orders back to cubies.
  std::array<int, 12> cubieOfOrder{};
  for (int c = 0; c < kAllowedSize; ++c) {
    if (allowed[c] >= 0 && allowed[c] < allowedCount) cubieOfOrder[allowed[c]] = c;
  }
  unsigned used = 0;
  for (int t = 0; t < count; ++t) {
    int skip = digits[t] / stickersPerCubie, order = 0;
    for (;; ++order) {
      if (used >> order & 1u) continue;
      if (skip-- == 0) break;
    }
    used |= 1u << order;
    spots[t] = cubieOfOrder[order] * stickersPerCubie + digits[t] % stickersPerCubie;
  }
}

}  // namespace threestage
