#include "solvers/twophase/Coordinates.h"

#include "solvers/twophase/CKube.h"
#include "solvers/twophase/KubeLayout.h"
#include "solvers/twophase/PermIndex.h"

namespace twophase {

namespace {
constexpr std::uint8_t kNotSliceEdge = 20;  // marks the edge positions the slice coordinate ignores
}

std::uint16_t MiddleSliceEdgesPermut::Next(std::uint16_t slice, int face) {
  CKube cube;
  const unsigned mask = SliceRanks().maskOfRank[slice];
  std::uint8_t next = kFirstSliceEdge;
  for (int p = 0; p < kEdgeCount; ++p) {
    cube.edgePerm[p] = (mask >> p) & 1u ? next++ : kNotSliceEdge;
  }
  cube.Move(face, 1);
  return cube.Slice();
}

std::uint16_t CornerPermutation::Next(std::uint16_t perm, int face) {
  CKube cube;
  PermFromIndex(perm, 8, 0, cube.cornerPerm.data());
  cube.Move(face, Phase2TurnCount(face));
  return cube.CornerPermutationCoord();
}

std::uint16_t NonMiddleSliceEdgePermutation::Next(std::uint16_t perm, int face) {
  CKube cube;
  PermFromIndex(perm, 8, 0, cube.edgePerm.data());
  cube.Move(face, Phase2TurnCount(face));
  return cube.UDEdgePermutationCoord();
}

std::uint16_t MiddleSliceEdgePermutation::Next(std::uint16_t perm, int face) {
  CKube cube;
  PermFromIndex(perm, 4, kFirstSliceEdge, cube.edgePerm.data() + kFirstSliceEdge);
  cube.Move(face, Phase2TurnCount(face));
  return cube.SliceEdgePermutationCoord();
}

}  // namespace twophase
