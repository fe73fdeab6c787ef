#pragma once
// Orientation-only cubes that build the twist and flip move tables.
#include <array>
#include <cstdint>

namespace twophase {

class MovesPhase1 {
 public:
  MovesPhase1() = default;
  virtual ~MovesPhase1() = default;
  // One clockwise quarter turn of move face 0..5.
  void QuarterTurn(int face);

  std::array<std::uint8_t, 8> cornerTwist{};  // 0..2 per position
  std::array<std::uint8_t, 12> edgeFlip{};    // 0..1 per position
};

// twist = t0·3⁶ + … + t6 (position 0 most significant; t7 follows from the sum).
class CornerOrient : public MovesPhase1 {
 public:
  static constexpr std::uint16_t kCount = 2187;  // 3^7
  static constexpr std::uint16_t kGoal = 0;
  void Decode(std::uint16_t twist);
  std::uint16_t Encode() const;
  static std::uint16_t Next(std::uint16_t twist, int face);
};

// flip = f0·2¹⁰ + … + f10 (position 0 most significant; f11 follows from the parity).
class EdgeOrient : public MovesPhase1 {
 public:
  static constexpr std::uint16_t kCount = 2048;  // 2^11
  static constexpr std::uint16_t kGoal = 0;
  void Decode(std::uint16_t flip);
  std::uint16_t Encode() const;
  static std::uint16_t Next(std::uint16_t flip, int face);
};

}  // namespace twophase
