#include <gtest/gtest.h>

#include <random>

#include "solvers/orchestration/LogCells.h"
#include "tests/fixtures/CubeOracle.h"

namespace {

using orchestration::Cells;

std::string Joined(const Cells& cells, size_t from = 0) {
  std::string out;
  for (size_t i = from; i < cells.size(); ++i) out += (out.empty() ? "" : " ") + cells[i];
  return out;
}

TEST(LogCells, SplitAndLoad) {
  EXPECT_EQ(orchestration::SplitSolution("R U2  F' "), (Cells{"R", "U2", "F'"}));
  EXPECT_EQ(orchestration::SplitSolution(""), Cells{});
  EXPECT_EQ(orchestration::LoadSolution({}), (Cells{"??", "@@"}));
  EXPECT_EQ(orchestration::LoadSolution({"R", "[1]"}), (Cells{"??", "R", "[1]", "@@"}));
}

TEST(LogCells, LayeredTokens) {
  EXPECT_EQ(orchestration::LayeredTokensToCells("R+.U-.F*.[1]B+.[6]"),
            (Cells{"R", "U'", "F2", "[1]", "B", "[6]"}));
}

TEST(LogCells, RelabelX2) {
  Cells cells = {"??", "F", "U2", "B'", "D", "R", "L'", "y", "y'", "z", "E", "S'", "E2", "x2", "NF", "f", "[1]", "@@", "", "F"};
  orchestration::RelabelX2(cells);
  EXPECT_EQ(cells, (Cells{"??", "B", "D2", "F'", "U", "R", "L'", "y'", "y", "z'", "E'", "S", "E2", "x2", "NB", "b", "[1]", "@@", "", "F"}));
}

TEST(LogCells, RotationExamples) {
  Cells cells = {"??", "R", "y2", "@@"};
  orchestration::RotateLogCells(cells, "x");
  EXPECT_EQ(cells, (Cells{"??", "R", "z2", "@@"}));
  cells = {"??", "R", "@@"};
  orchestration::RotateLogCells(cells, "y");
  EXPECT_EQ(cells, (Cells{"??", "F", "@@"}));
  cells = {"??", "x", "z'", "x'", "@@"};
  orchestration::RotateLogCells(cells, "y2");
  EXPECT_EQ(cells, (Cells{"??", "x'", "z", "x", "@@"}));
  cells = {"??", "@@"};
  orchestration::RotateLogCells(cells, "z");
  EXPECT_EQ(cells, (Cells{"??", "@@"}));
}

// Turning cube and log together keeps the log's effect: the rotated cube with
// the rewritten moves ends as the rotation of the original result.
TEST(LogCells, RotationKeepsTheSolutionValid) {
  const char* kTokens[] = {"R", "L'", "U2", "D", "F'", "B2", "M", "E'", "S2", "x", "y'", "z2",
                           "x2", "y2", "z'", "r", "u'", "f", "M2", "E", "S'"};
  std::mt19937 rng(5);
  for (const char* r : {"x", "x2", "x'", "y", "y2", "y'", "z", "z2", "z'"}) {
    for (int trial = 0; trial < 20; ++trial) {
      Cells cells = {"??"};
      for (int i = 0; i < 12; ++i) cells.push_back(kTokens[rng() % std::size(kTokens)]);
      cells.push_back("@@");
      const std::string start = oracle::RandomState(rng, 15);
      const std::string before = oracle::Apply(oracle::Apply(start, Joined(cells)), r);
      Cells rotated = cells;
      orchestration::RotateLogCells(rotated, r);
      const std::string after = oracle::Apply(oracle::Apply(start, r), Joined(rotated));
      EXPECT_EQ(after, before) << r << ": " << Joined(cells) << " → " << Joined(rotated);
    }
  }
}

}  // namespace
