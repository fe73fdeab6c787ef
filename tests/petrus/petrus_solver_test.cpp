#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>

#include "facelet_oracle.h"
#include "solvers/petrus/PetrusSolver.h"
#include "solvers/petrus/PetrusTables.h"

namespace {

using petrus::PetrusSolver;

std::string Join(const std::vector<std::string>& texts) {
  std::string out;
  for (const auto& t : texts) out += (out.empty() ? "" : " ") + t;
  return out;
}

// Solves and checks the solution with the geometric model; returns it.
std::string SolveAndCheck(const std::string& cube, petrus::TableUsage* usage = nullptr) {
  PetrusSolver solver;
  EXPECT_EQ(solver.SetFacelets(cube), petrus::kFaceletsOk);
  EXPECT_EQ(solver.Run(usage), petrus::kRunOk) << cube;
  const std::string solution = Join(solver.solutionTexts());
  EXPECT_TRUE(oracle::IsSolved(oracle::Apply(cube, solution))) << cube << " / " << solution;
  return solution;
}

TEST(PetrusSolver, SolvedCube) {
  PetrusSolver solver;
  ASSERT_EQ(solver.SetFacelets(oracle::kSolved), 0);
  ASSERT_EQ(solver.Run(), 0);
  EXPECT_TRUE(solver.solutionMoves().empty());
  EXPECT_EQ(solver.orientationCode(), 112);
  EXPECT_EQ(solver.NextMove(), "");
  EXPECT_EQ(solver.CurrentFacelets(), oracle::kSolved);
}

TEST(PetrusSolver, ShortScrambles) {
  const struct {
    const char* scramble;
    const char* solution;
  } cases[] = {{"R", "R'"}, {"U", "U'"}, {"F'", "F"}, {"D2", "D2"}};
  for (const auto& c : cases) {
    EXPECT_EQ(SolveAndCheck(oracle::Apply(oracle::kSolved, c.scramble)), c.solution) << c.scramble;
  }
  const std::string halves = SolveAndCheck(oracle::Apply(oracle::kSolved, "F2 B2 L2 R2 U2 D2"));
  PetrusSolver solver;
  solver.SetFacelets(oracle::Apply(oracle::kSolved, "F2 B2 L2 R2 U2 D2"));
  solver.Run();
  ASSERT_EQ(solver.solutionMoves().size(), 6u) << halves;
  for (const auto& move : solver.solutionMoves()) EXPECT_EQ(move[1], '2') << halves;
}

TEST(PetrusSolver, SetFaceletsCodes) {
  std::string six = oracle::kSolved;
  six[0] = '6';
  std::string tenZeros = oracle::kSolved;
  tenZeros[9] = '0';
  std::string bad = oracle::kSolved;
  bad[20] = 'a';
  const struct {
    std::string text;
    int code;
  } cases[] = {{six, 2}, {tenZeros, 3}, {std::string(oracle::kSolved).substr(0, 53), 1},
               {std::string(oracle::kSolved) + "0", 1}, {"", 1}, {bad, 2}};
  for (const auto& c : cases) {
    PetrusSolver solver;
    EXPECT_EQ(solver.SetFacelets(c.text), c.code) << c.text;
    EXPECT_FALSE(solver.ready());
    EXPECT_EQ(solver.Run(), petrus::kRunNotReady);
    EXPECT_EQ(solver.NextMove(), petrus::kNotSolvedText);
    EXPECT_EQ(solver.CurrentFacelets(), petrus::kNotSolvedText);
  }
}

std::string Swapped(std::string text, std::initializer_list<std::pair<int, int>> swaps) {
  for (auto [a, b] : swaps) std::swap(text[a], text[b]);
  return text;
}

TEST(PetrusSolver, UnsolvableColouringsGiveFour) {
  const std::string solved = oracle::kSolved;
  std::string twisted = solved;  // corner U-F-R turned in place
  twisted[8] = solved[18], twisted[11] = solved[8], twisted[18] = solved[11];
  const std::string cases[] = {
      twisted,
      Swapped(solved, {{7, 10}}),                  // edge U-F flipped
      Swapped(solved, {{7, 5}, {10, 19}}),         // edges U-F and U-R swapped
      Swapped(solved, {{8, 2}, {11, 20}, {18, 27}}),  // two corners swapped
      Swapped(solved, {{4, 13}}),                  // two centres swapped
  };
  for (const std::string& cube : cases) {
    PetrusSolver solver;
    ASSERT_EQ(solver.SetFacelets(cube), 0) << cube;
    EXPECT_EQ(solver.Run(), petrus::kRunUnsolvable) << cube;
    EXPECT_FALSE(solver.solved());
    EXPECT_EQ(solver.NextMove(), petrus::kNotSolvedText);
  }
}

// Colourings with nine of each colour in random places: nothing breaks, and a
// reported solution really solves.
TEST(PetrusSolver, ShuffledColouringsNeverGiveAWrongSolution) {
  std::mt19937 random(11);
  for (int round = 0; round < 100; ++round) {
    std::string cube = oracle::kSolved;
    std::shuffle(cube.begin(), cube.end(), random);
    PetrusSolver solver;
    ASSERT_EQ(solver.SetFacelets(cube), 0);
    const int code = solver.Run();
    ASSERT_TRUE(code == 0 || code == 4) << cube;
    if (code == 0) {
      EXPECT_TRUE(oracle::IsSolved(oracle::Apply(cube, Join(solver.solutionTexts()))));
    }
  }
}

TEST(PetrusSolver, NextMoveHandsOutTheSolutionAndTurnsTheStoredCube) {
  std::mt19937 random(3);
  const std::string cube = oracle::Scrambled(random, 30);
  PetrusSolver solver;
  ASSERT_EQ(solver.SetFacelets(cube), 0);
  ASSERT_EQ(solver.Run(), 0);
  std::vector<std::string> handed;
  for (std::string move = solver.NextMove(); !move.empty(); move = solver.NextMove()) {
    handed.push_back(move);
  }
  EXPECT_EQ(handed, solver.solutionTexts());
  EXPECT_EQ(solver.CurrentFacelets(), oracle::kSolved);
  EXPECT_EQ(solver.NextMove(), "");
  const int code = solver.orientationCode();
  const int u = code / 10 % 10, f = code % 10;
  EXPECT_EQ(code / 100, 1);
  EXPECT_LT(u, 6);
  EXPECT_LT(f, 6);
  EXPECT_NE(u, f);
  constexpr int kOpposite[] = {5, 3, 4, 1, 2, 0};
  EXPECT_NE(kOpposite[u], f) << code;
}

// Random cubes, every solution applied with the geometric model; together they
// reach every table entry that a solvable cube can reach.
TEST(PetrusSolver, RandomCubesAreSolvedAndUseEveryTableEntry) {
  std::mt19937 random(2024);
  petrus::TableUsage usage;
  size_t longest = 0;
  for (int round = 0; round < 400; ++round) {
    const std::string cube = oracle::Scrambled(random, 30 + round % 11);
    const std::string solution = SolveAndCheck(cube, &usage);
    longest = std::max(longest, solution.size());
    if (HasFailure()) return;
  }
  // With the edges oriented, way A never meets the edge F-R on the F side at F-L,
  // nor way B at F-R; those two entries are checked on their own in petrus_tables_test.
  const std::set<std::pair<std::string, std::string>> unreachable = {{"S4A-finish", "12"},
                                                                     {"S4B-finish", "14"}};
  for (int t = 0; t < petrus::kTableCount; ++t) {
    const auto table = static_cast<petrus::Table>(t);
    const auto entries = petrus::Entries(table);
    const auto& hits = usage.hits[t];
    for (size_t i = 0; i < entries.size(); ++i) {
      const bool used = !hits.empty() && hits[i] > 0;
      const bool expected = !unreachable.count({petrus::TableName(table), std::string(entries[i].key)});
      EXPECT_EQ(used, expected) << petrus::TableName(table) << " " << entries[i].key;
    }
  }
}

}  // namespace
