#include <gtest/gtest.h>

#include <set>

#include "FaceletModel.h"
#include "input/Conversions.h"
#include "solvers/twophase/CKube.h"
#include "solvers/twophase/KFacelet.h"
#include "solvers/twophase/KubeLayout.h"
#include "solvers/twophase/MovesPhase1.h"
#include "solvers/twophase/PermIndex.h"
#include "solvers/twophase/Phase1Tables.h"

namespace {

using namespace twophase;
using twophase_test::kSolvedNet;
using twophase_test::Turned;

CKube CubeOf(const std::string& net) {
  KFacelet facelets(input::ToLabelledFaces(net));
  EXPECT_EQ(facelets.Validate(), kFaceletsOk) << net;
  return facelets;
}

const char* kFaceNames[] = {"R", "L", "U", "D", "F", "B"};

TEST(PermIndex, InverseOfEveryIndex) {
  for (int n : {4, 8}) {
    const int count = n == 4 ? 24 : 40320;
    std::set<std::uint64_t> seen;
    for (int c = 0; c < count; ++c) {
      std::uint8_t perm[8] = {};
      PermFromIndex(static_cast<std::uint16_t>(c), n, 3, perm);
      ASSERT_EQ(PermIndex(perm, n), c) << n;
      std::uint64_t packed = 0;
      for (int i = 0; i < n; ++i) packed = packed * 16 + perm[i];
      seen.insert(packed);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), count);
  }
  const std::uint8_t identity[8] = {0, 1, 2, 3, 4, 5, 6, 7};
  EXPECT_EQ(PermIndex(identity, 8), 40319);
  EXPECT_EQ(PermIndex(identity, 4), 23);
}

TEST(SliceRanks, MasksWithFourBits) {
  const auto& ranks = SliceRanks();
  EXPECT_EQ(ranks.rankOfMask[0x00F], 0);
  EXPECT_EQ(ranks.rankOfMask[0xF00], 494);
  EXPECT_EQ(ranks.rankOfMask[0x007], kNoSliceRank);
  for (int r = 0; r < kSliceRankCount; ++r) EXPECT_EQ(ranks.rankOfMask[ranks.maskOfRank[r]], r);
}

TEST(CKube, SolvedCoordinates) {
  const CKube cube;
  EXPECT_EQ(cube.Twist(), 0);
  EXPECT_EQ(cube.Flip(), 0);
  EXPECT_EQ(cube.Slice(), 494);
  EXPECT_EQ(cube.CornerPermutationCoord(), 40319);
  EXPECT_EQ(cube.UDEdgePermutationCoord(), 40319);
  EXPECT_EQ(cube.SliceEdgePermutationCoord(), 23);
  EXPECT_EQ(CubeOf(kSolvedNet), cube);
}

// The solver's turns agree with turning the stickers: this pins down its
// facelet tables, twist and flip conventions and move cycles all at once.
TEST(CKube, TurnsAgreeWithTheStickers) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 40; ++trial) {
    const std::string scramble = twophase_test::RandomFaceTurns(rng, 12);
    const std::string net = Turned(kSolvedNet, scramble);
    for (int face = 0; face < 6; ++face) {
      for (int count = 1; count <= 3; ++count) {
        CKube moved = CubeOf(net);
        moved.Move(face, count);
        const std::string suffix = count == 1 ? "" : count == 2 ? "2" : "'";
        EXPECT_EQ(moved, CubeOf(Turned(net, kFaceNames[face] + suffix)))
            << scramble << " then " << kFaceNames[face] << suffix;
      }
    }
  }
}

TEST(CKube, FourQuarterTurnsRestore) {
  std::mt19937 rng(11);
  const CKube start = CubeOf(Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 20)));
  for (int face = 0; face < 6; ++face) {
    CKube cube = start;
    for (int k = 0; k < 4; ++k) {
      cube.Move(face, 1);
      if (k < 3) {
        EXPECT_FALSE(cube == start) << face;
      }
    }
    EXPECT_EQ(cube, start) << face;
    cube.Move(face, 0);
    cube.Move(face, 4);
    EXPECT_EQ(cube, start) << "counts outside 1..3 do nothing";
  }
}

TEST(MovesPhase1, DecodeEncodeRoundTrip) {
  for (unsigned t = 0; t < CornerOrient::kCount; ++t) {
    CornerOrient c;
    c.Decode(static_cast<std::uint16_t>(t));
    ASSERT_EQ(c.Encode(), t);
    int sum = 0;
    for (auto v : c.cornerTwist) sum += v;
    ASSERT_EQ(sum % 3, 0);
  }
  for (unsigned f = 0; f < EdgeOrient::kCount; ++f) {
    EdgeOrient e;
    e.Decode(static_cast<std::uint16_t>(f));
    ASSERT_EQ(e.Encode(), f);
  }
}

TEST(MoveTables, Phase1EntriesMatchTurnedCubes) {
  std::mt19937 rng(3);
  for (int trial = 0; trial < 200; ++trial) {
    CKube cube = CubeOf(Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 25)));
    for (int face = 0; face < 6; ++face) {
      CKube moved = cube;
      moved.Move(face, 1);
      EXPECT_EQ(OrientTables().twist.Next(cube.Twist(), face), moved.Twist());
      EXPECT_EQ(OrientTables().flip.Next(cube.Flip(), face), moved.Flip());
      EXPECT_EQ(SliceTable().Next(cube.Slice(), face), moved.Slice());
    }
  }
}

// R and L quarter turns flip the four edges they move; F and B do not; U and D
// change no orientation.
TEST(MoveTables, WhichTurnsChangeOrientation) {
  for (int face = 0; face < 6; ++face) {
    CKube cube;
    cube.Move(face, 1);
    EXPECT_EQ(cube.Flip() != 0, face == kR || face == kL) << kFaceNames[face];
    EXPECT_EQ(cube.Twist() != 0, face != kU && face != kD) << kFaceNames[face];
  }
}

}  // namespace
