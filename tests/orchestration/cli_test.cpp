#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <random>
#include <sys/wait.h>

#include "tests/fixtures/CubeOracle.h"

namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun RunCli(const std::string& arguments) {
  const std::string errFile = ::testing::TempDir() + "rovan_cli_stderr_" + std::to_string(getpid()) + ".txt";
  const std::string command = std::string(ROVAN_CLI_PATH) + " " + arguments + " 2>" + errFile;
  CliRun run{-1, "", ""};
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe)) run.out += buffer.data();
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  if (FILE* err = fopen(errFile.c_str(), "r")) {
    std::array<char, 4096> buffer{};
    while (fgets(buffer.data(), buffer.size(), err)) run.err += buffer.data();
    fclose(err);
  }
  return run;
}

// The text after "name: " on its line.
std::string Line(const std::string& out, const std::string& name) {
  const size_t at = out.find(name + ": ");
  if (at == std::string::npos) return "<missing>";
  const size_t start = at + name.size() + 2;
  return out.substr(start, out.find('\n', start) - start);
}

TEST(CliSolve, BeginnerSolvesWithBothMethods) {
  std::mt19937 rng(17);
  for (int trial = 0; trial < 6; ++trial) {
    std::string start = oracle::RandomState(rng);
    if (trial % 2) start = oracle::Apply(start, "x z");
    for (const char* method : {"", "--no-formula "}) {
      const CliRun run = RunCli(std::string("solve beginner ") + method + start);
      ASSERT_EQ(run.status, 0) << run.err;
      const std::string turned = oracle::Apply(start, Line(run.out, "turns"));
      const std::string moves = Line(run.out, "moves");
      EXPECT_EQ(moves.substr(0, 2), "??");
      EXPECT_EQ(moves.substr(moves.size() - 2), "@@");
      EXPECT_TRUE(oracle::Solves(turned, moves)) << method << start << "\n" << run.out;
    }
  }
}

TEST(CliSolve, SolvedCube) {
  const std::string solved = oracle::Solved();
  const CliRun layers = RunCli("solve beginner " + solved);
  EXPECT_EQ(layers.out, "turns: y\nmoves: ?? [1] [2] [3] [4] [5] [6] @@\nstandard: y\n");
  const CliRun noFormula = RunCli("solve beginner --no-formula " + solved);
  EXPECT_EQ(noFormula.out, "turns: \nmoves: ?? [1] [2] [3] [4] [5] [6] @@\nstandard: \n");
}

TEST(CliSolve, RefusalsAndUnusableArguments) {
  std::string twoUp = oracle::Solved();
  twoUp[13] = '0';
  std::string flipped = oracle::Solved();
  std::swap(flipped[7], flipped[10]);
  // Two stickers of one corner swapped: a mirrored corner no cube can have.
  const std::string mirrored = "000000000112111111122222222333333333444444444555555555";
  struct Row {
    std::string arguments;
    int status;
    const char* err;  // expected stderr, or "" to skip the check
  };
  const Row rows[] = {
      {"solve beginner " + twoUp, 2, "魔方颜色设置有问题,请重新设置颜色!\n"},
      {"solve beginner --no-formula " + flipped, 2, "无法复原魔方！请重新设置颜色\n"},
      {"solve beginner " + mirrored, 2, "无法复原魔方！请重新设置颜色\n"},
      {"solve beginner --no-formula " + mirrored, 2, "无法复原魔方！请重新设置颜色\n"},
      {"solve beginner " + oracle::Solved(5), 2, "高阶魔方无解\n"},
      {"solve advanced " + oracle::Solved(6), 2, "高阶魔方无解\n"},
      {"solve beginner " + oracle::Solved(4), 2, ""},
      {"solve beginner 0123", 2, ""},
      {"solve beginner", 2, ""},
      {"solve beginner " + oracle::Solved() + " " + oracle::Solved(), 2, ""},
  };
  for (const auto& row : rows) {
    const CliRun run = RunCli(row.arguments);
    EXPECT_EQ(run.status, row.status) << row.arguments;
    EXPECT_EQ(run.out, "") << row.arguments;
    if (*row.err) {
      EXPECT_EQ(run.err, row.err) << row.arguments;
    }
  }
}

TEST(CliSolve, HelpListsTheRoutes) {
  for (const char* help : {"solve --help", "solve -h"}) {
    const CliRun run = RunCli(help);
    EXPECT_EQ(run.status, 0) << help;
    for (const char* route : {"beginner", "advanced", "petrus", "threestage", "nxn", "twophase"})
      EXPECT_NE(run.out.find(std::string("rovan-cli solve ") + route), std::string::npos) << route;
  }
}

TEST(CliSolve, AdvancedEitherNotBuiltOrSolving) {
  std::mt19937 rng(23);
  const std::string start = oracle::RandomState(rng);
  for (const char* option : {"", "--fewest "}) {
    const CliRun run = RunCli(std::string("solve advanced ") + option + start);
    if (run.status == 3) {
      EXPECT_NE(run.err.find("not built"), std::string::npos);
      continue;
    }
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(oracle::Solves(oracle::Apply(start, Line(run.out, "turns")), Line(run.out, "moves")));
  }
}

}  // namespace
