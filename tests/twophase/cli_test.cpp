#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "FaceletModel.h"
#include "SharedTables.h"
#include "tests/fixtures/CliRunner.h"

namespace {

using twophase_test::kSolvedNet;
using twophase_test::Turned;

struct CliResult {
  int status = -1;
  std::vector<std::string> lines;
};

CliResult RunCli(const std::string& arguments) {
  twophase_test::ReadyTables();  // the table file beside rovan-cli exists from here on
  CliResult result;
  const cli_test::CliRun run = cli_test::RunCliText(arguments);
  result.status = run.status;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);) result.lines.push_back(line);
  return result;
}

std::string After(const std::string& line, const std::string& prefix) {
  return line.rfind(prefix, 0) == 0 ? line.substr(prefix.size()) : "<" + line + ">";
}

TEST(Cli, PrintsImprovementsThenTurnsAndMoves) {
  std::mt19937 rng(77);
  const std::string net = Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 25));
  const CliResult r = RunCli("solve twophase --seconds 1 " + net);
  ASSERT_EQ(r.status, 0);
  ASSERT_GE(r.lines.size(), 4u);
  int previous = 99;
  for (std::size_t i = 0; i + 3 < r.lines.size(); ++i) {
    std::istringstream in(After(r.lines[i], "improved: "));
    long ms = -1;
    int length = -1;
    in >> ms >> length;
    std::string moves;
    std::getline(in, moves);
    EXPECT_GE(ms, 0);
    EXPECT_LT(length, previous);
    previous = length;
    EXPECT_TRUE(twophase_test::IsSolvedNet(Turned(net, moves))) << r.lines[i];
  }
  const std::string turns = After(r.lines[r.lines.size() - 3], "turns: ");
  const std::string moves = After(r.lines[r.lines.size() - 2], "moves: ");
  EXPECT_EQ(r.lines.back(), "standard: " + turns + " " + moves);
  EXPECT_TRUE(turns == "x2 x2" || turns == "y2 y2" || turns == "z2 z2") << turns;
  EXPECT_TRUE(twophase_test::IsSolvedNet(Turned(Turned(net, turns), moves))) << moves;
}

TEST(Cli, SolvedAndRefusedCubes) {
  const CliResult solved = RunCli("solve twophase " + kSolvedNet);
  EXPECT_EQ(solved.status, 0);
  ASSERT_GE(solved.lines.size(), 4u);
  EXPECT_EQ(solved.lines[solved.lines.size() - 4], "魔方已经复原");
  EXPECT_EQ(solved.lines[solved.lines.size() - 2], "moves: ");

  // A decimal time budget.
  const CliResult quick = RunCli("solve twophase --seconds 0.1 " + Turned(kSolvedNet, "R U2 F'"));
  EXPECT_EQ(quick.status, 0);
  ASSERT_FALSE(quick.lines.empty());
  ASSERT_GE(quick.lines.size(), 2u);
  EXPECT_FALSE(After(quick.lines[quick.lines.size() - 2], "moves: ").empty());

  struct Case {
    std::string arguments;
    int status;
  };
  std::string flipped = kSolvedNet;
  flipped[7] = '1';
  flipped[10] = '0';
  const Case cases[] = {
      {"solve twophase " + flipped, 2},
      {"solve twophase 0123", 2},
      {"solve twophase --seconds 0 " + kSolvedNet, 2},
      {"solve twophase --seconds -1 " + kSolvedNet, 2},
      {"solve twophase --seconds 1e9 " + kSolvedNet, 2},
      {"solve twophase --seconds nan " + kSolvedNet, 2},
      {"solve twophase --seconds 0.5s " + kSolvedNet, 2},
      {"solve twophase --seconds", 2},
      {"solve twophase", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(RunCli(c.arguments).status, c.status) << c.arguments;
}

}  // namespace
