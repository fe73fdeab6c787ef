#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "solvers/layered/CubeSolver.h"
#include "tests/fixtures/CubeOracle.h"

namespace {

const std::string kSolved = "000000000111111111222222222333333333444444444555555555";

// "R+." → "R", "R-." → "R'", "R*." → "R2"; markers dropped.
std::string ToNotation(const std::string& tokens) {
  std::string out;
  for (size_t at = 0; at + 3 <= tokens.size(); at += 3) {
    const char letter = tokens[at], how = tokens[at + 1];
    if (std::string("UDFBLR").find(letter) == std::string::npos) continue;
    if (!out.empty()) out += ' ';
    out += letter;
    if (how == '-') out += '\'';
    if (how == '*') out += '2';
  }
  return out;
}

std::string Swapped(std::string text, std::initializer_list<std::pair<int, int>> swaps) {
  for (auto [a, b] : swaps) std::swap(text[a], text[b]);
  return text;
}

TEST(CubeSolver, TokensTurnLikeTheNotation) {
  struct Row {
    const char* token;
    const char* notation;
  };
  const Row rows[] = {{"U+.", "U"}, {"D+.", "D"}, {"F+.", "F"}, {"B+.", "B"}, {"L+.", "L"},
                      {"R+.", "R"}, {"R-.", "R'"}, {"F*.", "F2"}, {"X+.", "x"}, {"X-.", "x'"},
                      {"Y+.", "y'"}, {"Y-.", "y"}};
  std::mt19937 rng(7);
  const std::string start = oracle::RandomState(rng);
  for (const auto& row : rows) {
    layered::CCubeSolver solver;
    solver.LoadText(start);
    solver.Run(row.token);
    EXPECT_EQ(solver.ExportText(), oracle::Apply(start, row.notation)) << row.token;
  }
}

TEST(CubeSolver, SolvedCubeGivesOnlyTheMarkers) {
  layered::CCubeSolver solver;
  solver.LoadText(kSolved);
  ASSERT_EQ(solver.Solve(), layered::kSolved);
  EXPECT_EQ(solver.Solution(), "[1][2][3][4][5][6]");
  EXPECT_EQ(solver.OrientationNumber(), 0);
  EXPECT_EQ(solver.FinishedAttempts(), 24);
}

TEST(CubeSolver, RefusedColourings) {
  struct Row {
    const char* what;
    std::string text;
    int code;
  };
  std::string twoUpCentres = kSolved;
  twoUpCentres[13] = '0';
  std::string noUpFrontEdge = kSolved;
  noUpFrontEdge[7] = '5';  // UF shows D and F; no edge shows U and F
  std::string foreignCorner = kSolved;
  foreignCorner[8] = '3';  // UFR shows B F R
  const Row rows[] = {
      {"equal centres", twoUpCentres, layered::kInvalidColours},
      {"missing edge colours", noUpFrontEdge, layered::kInvalidColours},
      {"missing corner colours", foreignCorner, layered::kInvalidColours},
      {"twisted corner", Swapped(Swapped(kSolved, {{8, 11}}), {{11, 18}}), layered::kNoSolution},
      {"flipped edge", Swapped(kSolved, {{7, 10}}), layered::kNoSolution},
      {"swapped edges", Swapped(kSolved, {{7, 5}, {10, 19}}), layered::kNoSolution},
      {"swapped corners", Swapped(kSolved, {{8, 2}, {11, 20}, {18, 27}}), layered::kNoSolution},
  };
  for (const auto& row : rows) {
    layered::CCubeSolver solver;
    solver.LoadText(row.text);
    EXPECT_EQ(solver.Solve(), row.code) << row.what;
    EXPECT_EQ(solver.Solution(), "") << row.what;
    EXPECT_EQ(solver.ExportText(), row.text) << row.what << ": the cube is left as loaded";
  }
}

TEST(CubeSolver, SolvesRandomStatesFromEveryOrientation) {
  std::mt19937 rng(2026);
  for (int trial = 0; trial < 300; ++trial) {
    const std::string start = oracle::RandomState(rng, 25 + trial % 10);
    layered::CCubeSolver solver;
    solver.LoadText(start);
    ASSERT_EQ(solver.Solve(), layered::kSolved) << start;
    EXPECT_EQ(solver.FinishedAttempts(), 24) << start;
    EXPECT_EQ(solver.ExportText(), start);
    const std::string& solution = solver.Solution();
    EXPECT_EQ(solution.find_first_of("XY"), std::string::npos) << solution;
    for (size_t at = 3; at + 3 <= solution.size(); at += 3)
      EXPECT_NE(solution.substr(at, 3), solution.substr(at - 3, 3)) << solution;
    for (const char* marker : {"[1]", "[2]", "[3]", "[4]", "[5]", "[6]"})
      EXPECT_NE(solution.find(marker), std::string::npos) << marker;
    ASSERT_TRUE(oracle::Solves(start, ToNotation(solution))) << start << "\n" << solution;
  }
}

TEST(CubeSolver, OneTurnFromSolvedGivesAShortSolution) {
  // Of the 24 attempts the shortest is kept: one of them undoes the turn at once.
  const std::string start = oracle::Apply(kSolved, "R");
  layered::CCubeSolver solver;
  solver.LoadText(start);
  ASSERT_EQ(solver.Solve(), layered::kSolved);
  EXPECT_TRUE(oracle::Solves(start, ToNotation(solver.Solution())));
  EXPECT_LE(solver.Solution().size(), 3u * 12);
}

}  // namespace
