#include <gtest/gtest.h>

#include <random>

#include "solvers/mcube/Check444.h"
#include "solvers/mcube/mcube.h"
#include "tests/mcube/FaceletCube444.h"

namespace {

using test444::FaceletCube444;

std::string RandomState(unsigned seed) {
  std::mt19937 rng(seed);
  FaceletCube444 cube;
  cube.Scramble(rng, 60);
  return cube.Facelets();
}

int CheckText(const std::string& facelets, cube444::mcube& cube) {
  cube.Load(cube444::GridFromFacelets(facelets));
  return cube.Check();
}

TEST(Check444, SolvedCubePassesWithAnEmptySolution) {
  cube444::mcube cube;
  EXPECT_EQ(CheckText(FaceletCube444::Solved(), cube), 0);
  EXPECT_EQ(cube.Solution(), "");
}

TEST(Check444, RandomStatesPassAndTheirSolutionsSolve) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    const std::string facelets = RandomState(seed);
    cube444::mcube cube;
    ASSERT_EQ(CheckText(facelets, cube), 0) << "seed " << seed << " " << facelets;
    FaceletCube444 replay(facelets);
    ASSERT_TRUE(replay.ApplyTokens(cube.Solution())) << cube.Solution();
    EXPECT_TRUE(replay.IsSolved()) << "seed " << seed;
  }
}

}  // namespace
