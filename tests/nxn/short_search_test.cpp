// The short search's reach and its idea of solved: at least two turns at
// every order (four face turns at order 3, where a slice turn takes two), no
// answer beyond its depth, and none that would only give a mirror-image
// colouring uniform faces.
#include <gtest/gtest.h>

#include "input/Conversions.h"
#include "model/MoveNotation.h"
#include "model/WCube.h"
#include "solvers/nxn/ShortSearch.h"

namespace {

std::string Faces(int order, const std::string& tokens, const std::string& start = "") {
  model::WCube cube;
  cube.Init(order);
  if (!start.empty()) cube.ImportColours(start);
  model::ApplySequence(cube, tokens);
  return input::ToSolverFaces(order, cube.ExportColours());
}

TEST(ShortSearch, ReachesTwoTurnsEverywhereAndFourFaceTurnsOnTheThreeByThree) {
  for (int order = 2; order <= 7; ++order) EXPECT_GE(nxn::ShortSearchDepth(order, nxn::TurnSet::kAllLayers), 2) << order;
  EXPECT_GE(nxn::ShortSearchDepth(3, nxn::TurnSet::kOuterLayers), 4);
  const auto slices = nxn::ShortSolution(3, Faces(3, "M E'"), nxn::TurnSet::kOuterLayers);
  ASSERT_TRUE(slices);
  EXPECT_EQ(slices->size(), 4u);
}

TEST(ShortSearch, NothingBeyondItsDepthOrWhenSolved) {
  EXPECT_FALSE(nxn::ShortSolution(7, Faces(7, ""), nxn::TurnSet::kAllLayers));
  EXPECT_FALSE(nxn::ShortSolution(7, Faces(7, "N3R U' N3F"), nxn::TurnSet::kAllLayers));  // three turns, depth 2
  EXPECT_FALSE(nxn::ShortSolution(4, "123", nxn::TurnSet::kAllLayers));
  const auto two = nxn::ShortSolution(7, Faces(7, "N3R U'"), nxn::TurnSet::kAllLayers);
  ASSERT_TRUE(two);
  EXPECT_EQ(two->size(), 2u);
}

TEST(ShortSearch, AMirrorImageColouringIsNotSolved) {
  // R and L colours exchanged: every face uniform, but no real cube looks so.
  std::string mirrored;
  for (char face : std::string("014325")) mirrored += std::string(9, face);
  EXPECT_FALSE(nxn::ShortSolution(3, Faces(3, "R", mirrored), nxn::TurnSet::kAllLayers));
  EXPECT_TRUE(nxn::ShortSolution(3, Faces(3, "R"), nxn::TurnSet::kAllLayers));
}

}  // namespace
