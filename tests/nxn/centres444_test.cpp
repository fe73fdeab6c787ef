// The fixed 4×4×4 centre steps: the D table and the F/U templates.
#include <gtest/gtest.h>

#include "NxNTestCube.h"
#include "solvers/nxn/Centres444.h"

namespace {

TEST(Centres444, TableHoldsEveryPlacement) {
  const auto depths = nxn::CentreTableDepths444();
  int total = 0;
  for (int d : depths) total += d;
  EXPECT_EQ(total, nxn::kCentrePlacements444);
  ASSERT_GE(depths.size(), 3u);
  EXPECT_EQ(depths[0], 1);
}

TEST(Centres444, AlgorithmTextsReadTwoCharactersPerMove) {
  // "r U2r2F2": r clockwise (negative on the L–R axis), U2, r2, F2.
  EXPECT_EQ(nxn::ParseAlgorithm444("r U2r2F2"),
            (nxn::MoveList{nxn::MakeMove(0, 2, 3), nxn::MakeMove(1, 0, 2), nxn::MakeMove(0, 2, 2), nxn::MakeMove(2, 0, 2)}));
  // Template digits: U turned i quarter turns clockwise, none for 0; a final letter is one clockwise turn.
  EXPECT_EQ(nxn::ParseAlgorithm444("Uil", 0), (nxn::MoveList{nxn::MakeMove(0, 1, 1)}));
  EXPECT_EQ(nxn::ParseAlgorithm444("Uil", 1), (nxn::MoveList{nxn::MakeMove(1, 0, 3), nxn::MakeMove(0, 1, 1)}));
}

// Every arrangement of F's and U's eight centre stickers (70) with the other
// centres solved: the D step leaves it, and the template solves it.
TEST(Centres444, LastTwoCentresEveryArrangement) {
  const nxn::Geometry& g = nxn::GeometryOf(4);
  nxn::Scheme scheme{};
  for (int f = 0; f < 6; ++f) scheme[f] = static_cast<std::uint8_t>(f + 1);
  const int fAt[4] = {4 * 16 + 5, 4 * 16 + 6, 4 * 16 + 9, 4 * 16 + 10};
  const int uAt[4] = {2 * 16 + 9, 2 * 16 + 10, 2 * 16 + 5, 2 * 16 + 6};
  int solvedByTemplate = 0;
  for (int mask = 0; mask < 256; ++mask) {
    if (__builtin_popcount(mask) != 4) continue;
    nxn::Stickers s(g.count);
    for (int i = 0; i < g.count; ++i) s[i] = static_cast<std::uint8_t>(g.face[i] + 1);
    for (int k = 0; k < 4; ++k) {
      s[fAt[k]] = (mask >> k & 1) ? scheme[nxn::kFaceF] : scheme[nxn::kFaceU];
      s[uAt[k]] = (mask >> (k + 4) & 1) ? scheme[nxn::kFaceF] : scheme[nxn::kFaceU];
    }
    nxn::MoveList moves;
    nxn::SolveDCentre444(g, s, scheme, moves);
    EXPECT_TRUE(moves.empty());
    const bool solved = nxn::SolveLastCentres444(g, s, scheme, moves);
    EXPECT_TRUE(solved) << "F and U centre stickers of F's colour: " << std::hex << mask;
    solvedByTemplate += solved;
  }
  EXPECT_EQ(solvedByTemplate, 70);
}

}  // namespace

namespace {

TEST(Centres444, EdgeFlipParityTurnsOneEdgeOverOnly) {
  const nxn::Geometry& g = nxn::GeometryOf(4);
  nxn::Stickers solved(g.count);
  for (int i = 0; i < g.count; ++i) solved[i] = static_cast<std::uint8_t>(g.face[i] + 1);
  nxn::Stickers s = solved;
  for (nxn::MoveCode m : nxn::ParseAlgorithm444(nxn::kEdgeFlipParity444))
    nxn::ApplyTurn(g, s, nxn::AxisOf(m), nxn::LayerOf(m), nxn::AmountOf(m));
  std::vector<int> changed;
  for (int i = 0; i < g.count; ++i)
    if (s[i] != solved[i]) changed.push_back(i);
  // The two wings between U (row 0 from F) and F (row 0 from U).
  EXPECT_EQ(changed, (std::vector<int>{2 * 16 + 1, 2 * 16 + 2, 4 * 16 + 1, 4 * 16 + 2}));
}

}  // namespace
