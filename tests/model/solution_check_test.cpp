// The check every route makes before it shows a result: played on a copy of
// the cube, exactly as the move log plays it.
#include <gtest/gtest.h>

#include "model/SolutionCheck.h"
#include "tests/fixtures/CubeOracle.h"

namespace {

using model::SolvesCube;

TEST(SolutionCheck, JudgesByPlayingTheTurnsAndMoves) {
  const std::string solved = oracle::Solved();
  const std::string scrambled = oracle::Apply(solved, "R U F' L2");
  const std::string turned = oracle::Apply(scrambled, "x y");
  struct Row {
    const char* what;
    std::string facelets;
    std::vector<std::string> turns, moves;
    bool solves;
  };
  const Row rows[] = {
      {"solved, nothing to do", solved, {}, {}, true},
      {"solved, turned whole", solved, {"x", "y2"}, {}, true},
      {"log markers turn nothing", solved, {}, {"??", "[1]", "@@"}, true},
      {"the inverse solves", scrambled, {}, {"L2", "F", "U'", "R'"}, true},
      {"one move short", scrambled, {}, {"L2", "F", "U'"}, false},
      {"moves in the wrong order", scrambled, {}, {"R'", "U'", "F", "L2"}, false},
      {"whole turns first, then moves", turned, {"y'", "x'"}, {"L2", "F", "U'", "R'"}, true},
      {"unknown tokens do nothing", scrambled, {}, {"Q", "L2", "F", "U'", "R'"}, true},
      {"no cube: too short", "0123", {}, {}, false},
      {"no cube: a digit out of range", std::string(53, '0') + "6", {}, {}, false},
  };
  for (const auto& row : rows) EXPECT_EQ(SolvesCube(row.facelets, row.turns, row.moves), row.solves) << row.what;
}

TEST(SolutionCheck, EveryOrder) {
  for (int order = 2; order <= 7; ++order) {
    const std::string start = oracle::Apply(order, oracle::Solved(order), "R U");
    EXPECT_TRUE(SolvesCube(start, {}, {"U'", "R'"})) << order;
    EXPECT_FALSE(SolvesCube(start, {}, {"R'", "U'"})) << order;
    EXPECT_EQ(model::OrderOfFacelets(start), order);
  }
}

// A mirrored corner has every colour in the right count yet no turn can solve it.
TEST(SolutionCheck, UniformFacesOnly) {
  EXPECT_TRUE(model::FacesUniform(oracle::Solved(4), 4));
  EXPECT_FALSE(model::FacesUniform("000000000112111111122222222333333333444444444555555555", 3));
  EXPECT_FALSE(model::FacesUniform(oracle::Solved(4), 3));
}

}  // namespace
