#pragma once
// Numbering of permutations and of the middle-slice edge positions.
#include <array>
#include <cstdint>

namespace twophase {

// Index of n distinct values (n ≤ 8) in 0..n!−1; the increasing order gives n!−1.
std::uint16_t PermIndex(const std::uint8_t* values, int n);
// The inverse: writes the permutation of base, base+1, …, base+n−1 with that index.
void PermFromIndex(std::uint16_t index, int n, std::uint8_t base, std::uint8_t* out);

constexpr int kSliceMaskCount = 4096;  // 12-bit masks of edge positions
constexpr int kSliceRankCount = 495;   // masks with four bits set (12 choose 4)
constexpr std::uint16_t kNoSliceRank = 0xFFFF;

// Masks with exactly four bits set, ranked by increasing value (0x00F is 0, 0xF00 is 494).
struct SliceRankTables {
  std::array<std::uint16_t, kSliceMaskCount> rankOfMask;  // kNoSliceRank for other masks
  std::array<std::uint16_t, kSliceRankCount> maskOfRank;
};
const SliceRankTables& SliceRanks();

}  // namespace twophase
