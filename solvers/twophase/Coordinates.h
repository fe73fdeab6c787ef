#pragma once
// The coordinate classes beyond the two orientations (MovesPhase1.h). Each has
// its range (kCount), the solved cube's value (kGoal) and Next(value, face), the
// value after one turn of the face, used to build its move table.
//
//   coordinate                      phase  range   goal   turn per face entry
//   MiddleSliceEdgesPermut          1      495     494    quarter
//   CornerPermutation               2      40320   40319  U, D quarter; R L F B half
//   NonMiddleSliceEdgePermutation   2      40320   40319  U, D quarter; R L F B half
//   MiddleSliceEdgePermutation      2      24      23     U, D quarter; R L F B half
#include <cstdint>

namespace twophase {

// Which four edge positions hold the middle-slice edges (rank of the position mask).
struct MiddleSliceEdgesPermut {
  static constexpr std::uint16_t kCount = 495;
  static constexpr std::uint16_t kGoal = 494;
  static std::uint16_t Next(std::uint16_t slice, int face);
};

struct CornerPermutation {
  static constexpr std::uint16_t kCount = 40320;  // 8!
  static constexpr std::uint16_t kGoal = 40319;
  static std::uint16_t Next(std::uint16_t perm, int face);
};

// Order of the eight U and D layer edges (positions 0–7), valid in phase 2.
struct NonMiddleSliceEdgePermutation {
  static constexpr std::uint16_t kCount = 40320;
  static constexpr std::uint16_t kGoal = 40319;
  static std::uint16_t Next(std::uint16_t perm, int face);
};

// Order of the four middle-slice edges (positions 8–11), valid in phase 2.
struct MiddleSliceEdgePermutation {
  static constexpr std::uint16_t kCount = 24;  // 4!
  static constexpr std::uint16_t kGoal = 23;
  static std::uint16_t Next(std::uint16_t perm, int face);
};

}  // namespace twophase
