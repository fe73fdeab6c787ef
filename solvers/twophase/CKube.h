#pragma once
// CKube: a 3×3×3 cube at cubie level in the two-phase solver's numbering
// (KubeLayout.h). A plain value: copying copies every field.
#include <array>
#include <cstdint>

namespace twophase {

class CKube {
 public:
  CKube();  // solved
  CKube(const CKube&) = default;
  CKube& operator=(const CKube&) = default;
  virtual ~CKube() = default;

  // count clockwise quarter turns (1..3) of move face 0..5; other counts do nothing.
  void Move(int face, int count);

  std::uint16_t Twist() const { return twist; }  // 0..2186
  std::uint16_t Flip() const { return flip; }    // 0..2047
  std::uint16_t Slice() const;                   // 0..494, solved 494
  std::uint16_t CornerPermutationCoord() const;  // 0..40319, solved 40319
  std::uint16_t UDEdgePermutationCoord() const;  // edge positions 0–7; 0..40319
  std::uint16_t SliceEdgePermutationCoord() const;  // edge positions 8–11; 0..23

  bool operator==(const CKube& other) const;

  std::array<std::uint8_t, 8> cornerPerm;   // cubie at each corner position
  std::array<std::uint8_t, 12> edgePerm;    // cubie at each edge position
  std::uint16_t twist = 0;
  std::uint16_t flip = 0;
};

}  // namespace twophase
