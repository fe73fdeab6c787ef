#include "solvers/twophase/CKube.h"

#include "solvers/twophase/KubeLayout.h"
#include "solvers/twophase/PermIndex.h"
#include "solvers/twophase/Phase1Tables.h"

namespace twophase {

namespace {
template <std::size_t N>
void Cycle(std::array<std::uint8_t, N>& perm, const std::array<std::uint8_t, 4>& c) {
  const std::uint8_t last = perm[c[3]];
  perm[c[3]] = perm[c[2]];
  perm[c[2]] = perm[c[1]];
  perm[c[1]] = perm[c[0]];
  perm[c[0]] = last;
}
}  // namespace

CKube::CKube() {
  SliceRanks();  // the rank tables exist from the first cube on
  for (int i = 0; i < kCornerCount; ++i) cornerPerm[i] = static_cast<std::uint8_t>(i);
  for (int i = 0; i < kEdgeCount; ++i) edgePerm[i] = static_cast<std::uint8_t>(i);
}

void CKube::Move(int face, int count) {
  if (face < 0 || face >= kMoveFaceCount || count < 1 || count > 3) return;
  const OrientMoveTables& orient = OrientTables();
  const FaceCycle& cycle = kFaceCycles[face];
  for (int k = 0; k < count; ++k) {
    Cycle(cornerPerm, cycle.corners);
    Cycle(edgePerm, cycle.edges);
    twist = orient.twist.Next(twist, face);
    flip = orient.flip.Next(flip, face);
  }
}

std::uint16_t CKube::Slice() const {
  unsigned mask = 0;
  for (int p = 0; p < kEdgeCount; ++p) {
    if (edgePerm[p] >= kFirstSliceEdge && edgePerm[p] < kEdgeCount) mask |= 1u << p;
  }
  return SliceRanks().rankOfMask[mask];
}

std::uint16_t CKube::CornerPermutationCoord() const { return PermIndex(cornerPerm.data(), 8); }
std::uint16_t CKube::UDEdgePermutationCoord() const { return PermIndex(edgePerm.data(), 8); }
std::uint16_t CKube::SliceEdgePermutationCoord() const {
  return PermIndex(edgePerm.data() + kFirstSliceEdge, 4);
}

bool CKube::operator==(const CKube& other) const {
  return cornerPerm == other.cornerPerm && edgePerm == other.edgePerm && twist == other.twist &&
         flip == other.flip;
}

}  // namespace twophase
