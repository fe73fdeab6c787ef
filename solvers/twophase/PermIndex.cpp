#include "solvers/twophase/PermIndex.h"

#include <bit>
#include <utility>

namespace twophase {

std::uint16_t PermIndex(const std::uint8_t* values, int n) {
  std::array<std::uint8_t, 8> a{};
  for (int i = 0; i < n; ++i) a[i] = values[i];
  unsigned c = 0;
  for (int i = n - 1; i >= 1; --i) {
    int pos = 0;
    for (int j = 1; j <= i; ++j) {
      if (a[j] > a[pos]) pos = j;
    }
    c = c * static_cast<unsigned>(i + 1) + static_cast<unsigned>(pos);
    std::swap(a[i], a[pos]);
  }
  return static_cast<std::uint16_t>(c);
}

void PermFromIndex(std::uint16_t index, int n, std::uint8_t base, std::uint8_t* out) {
  for (int j = 0; j < n; ++j) out[j] = static_cast<std::uint8_t>(base + j);
  unsigned c = index;
  for (int e = 2; e <= n; ++e) {
    std::swap(out[e - 1], out[c % static_cast<unsigned>(e)]);
    c /= static_cast<unsigned>(e);
  }
}

namespace {
SliceRankTables BuildSliceRanks() {
  SliceRankTables t{};
  std::uint16_t rank = 0;
  for (unsigned mask = 0; mask < kSliceMaskCount; ++mask) {
    if (std::popcount(mask) == 4) {
      t.rankOfMask[mask] = rank;
      t.maskOfRank[rank++] = static_cast<std::uint16_t>(mask);
    } else {
      t.rankOfMask[mask] = kNoSliceRank;
    }
  }
  return t;
}
}  // namespace

const SliceRankTables& SliceRanks() {
  static const SliceRankTables tables = BuildSliceRanks();
  return tables;
}

}  // namespace twophase
