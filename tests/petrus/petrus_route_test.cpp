#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>

#include "facelet_oracle.h"
#include "model/MoveNotation.h"
#include "model/WCube.h"
#include "solvers/petrus/PetrusRoute.h"
#include "tests/fixtures/CliRunner.h"

namespace {

std::string Join(const std::vector<std::string>& texts) {
  std::string out;
  for (const auto& t : texts) out += (out.empty() ? "" : " ") + t;
  return out;
}

// The face (0 U … 5 D) whose centre the turns bring to U and to F.
std::pair<int, int> FacesAfter(const std::vector<std::string>& turns) {
  std::string cube = oracle::kSolved;
  cube = oracle::Apply(cube, Join(turns));
  return {cube[4] - '0', cube[13] - '0'};
}

TEST(PetrusRoute, FrameTurnsBringTheCodesFacesToUAndF) {
  int valid = 0;
  for (int u = 0; u < 6; ++u) {
    for (int f = 0; f < 6; ++f) {
      const int code = 100 + 10 * u + f;
      const auto turns = petrus::FrameTurns(code);
      constexpr int kOpposite[] = {5, 3, 4, 1, 2, 0};
      if (u == f || kOpposite[u] == f) {
        EXPECT_TRUE(turns.empty()) << code;
        continue;
      }
      ++valid;
      EXPECT_EQ(FacesAfter(turns), std::make_pair(u, f)) << code << ": " << Join(turns);
    }
  }
  EXPECT_EQ(valid, 24);
  // The first turn is chosen by u alone; in the input's own U the y turn by f.
  const struct {
    int code;
    const char* turns;
  } cases[] = {{101, ""}, {102, "y"}, {103, "y2"}, {104, "y'"}, {112, "x y"}, {115, "x"},
               {121, "z'"}, {130, "x'"}, {135, "x' y2"}, {141, "z"}, {151, "z2"}, {152, "z2 y'"}};
  for (const auto& c : cases) EXPECT_EQ(Join(petrus::FrameTurns(c.code)), c.turns) << c.code;
  for (int code : {0, 99, 100, 156, 160, 1012}) EXPECT_TRUE(petrus::FrameTurns(code).empty()) << code;
}

TEST(PetrusRoute, SolvesAndRefuses) {
  std::mt19937 random(5);
  const std::string cube = oracle::Scrambled(random, 30);
  // Any six colour digits: the route renumbers them by the centres.
  std::string recoloured = cube;
  for (char& ch : recoloured) ch = static_cast<char>('0' + (ch - '0' + 3) % 6);
  for (const std::string& input : {cube, recoloured}) {
    const petrus::RouteResult result = petrus::SolveFacelets(input);
    ASSERT_EQ(result.code, 0);
    EXPECT_TRUE(oracle::IsSolved(oracle::Apply(input, result.solution))) << result.solution;
    EXPECT_FALSE(petrus::FrameTurns(result.orientationCode).empty()) << result.orientationCode;
  }

  std::string sameCentres = oracle::kSolved;
  std::swap(sameCentres[13], sameCentres[0]);  // two centres of colour 0
  std::string flipped = oracle::kSolved;
  std::swap(flipped[7], flipped[10]);
  const struct {
    std::string input;
    int code;
    const char* message;
  } refused[] = {
      {sameCentres, 2, "魔方颜色设置有问题,请重新设置颜色!"},
      {std::string(oracle::kSolved).substr(1), 1, "魔方颜色设置有问题,请重新设置颜色!"},
      {"0", 1, "魔方颜色设置有问题,请重新设置颜色!"},
      {"", 1, "魔方颜色设置有问题,请重新设置颜色!"},
      {flipped, 4, "无法复原魔方！请重新设置颜色"},
  };
  for (const auto& r : refused) {
    const petrus::RouteResult result = petrus::SolveFacelets(r.input);
    EXPECT_EQ(result.code, r.code) << r.input;
    EXPECT_STREQ(petrus::RouteMessage(result.code), r.message);
    EXPECT_TRUE(result.solution.empty());
  }
}

using cli_test::CliRun;

CliRun RunCli(const std::string& arguments) {
  return cli_test::RunCliText("solve petrus " + arguments, cli_test::kMergeErrors);
}

// The printed turns, then the printed moves, applied to the input solve it.
TEST(PetrusRoute, CliTurnsThenMovesSolveTheInput) {
  std::mt19937 random(9);
  for (int round = 0; round < 4; ++round) {
    const std::string cube = round == 0 ? std::string(oracle::kSolved) : oracle::Scrambled(random, 25);
    const CliRun run = RunCli(cube);
    ASSERT_EQ(run.status, 0) << run.out;
    std::istringstream lines(run.out);
    std::string turnsLine, movesLine;
    std::getline(lines, turnsLine);
    std::getline(lines, movesLine);
    ASSERT_EQ(turnsLine.rfind("turns:", 0), 0u) << run.out;
    ASSERT_EQ(movesLine.rfind("moves:", 0), 0u) << run.out;
    const std::string turned = oracle::Apply(cube, turnsLine.substr(6));
    ASSERT_FALSE(turned.empty()) << run.out;
    EXPECT_TRUE(oracle::IsSolved(oracle::Apply(turned, movesLine.substr(6)))) << cube << "\n" << run.out;
  }
}

// The same on the program's own cube model, the way the form plays the log.
TEST(PetrusRoute, CliOutputSolvesTheProgramsCube) {
  std::mt19937 random(13);
  for (int round = 0; round < 3; ++round) {
    const std::string cube = oracle::Scrambled(random, 30);
    const CliRun run = RunCli(cube);
    ASSERT_EQ(run.status, 0) << run.out;
    std::istringstream lines(run.out);
    std::string turnsLine, movesLine;
    std::getline(lines, turnsLine);
    std::getline(lines, movesLine);
    model::WCube wcube;
    ASSERT_EQ(wcube.ImportColours(cube), 54);
    EXPECT_EQ(model::ApplySequence(wcube, turnsLine.substr(6)), 0) << turnsLine;
    EXPECT_EQ(model::ApplySequence(wcube, movesLine.substr(6)), 0) << movesLine;
    EXPECT_TRUE(oracle::IsSolved(wcube.ExportColours())) << cube << "\n" << run.out;
  }
}

TEST(PetrusRoute, CliRefusals) {
  std::string flipped = oracle::kSolved;
  std::swap(flipped[7], flipped[10]);
  std::string sameCentres = oracle::kSolved;
  std::swap(sameCentres[13], sameCentres[0]);
  const struct {
    std::string arguments;
    const char* message;  // nullptr: only the status is checked
  } cases[] = {
      {flipped, "无法复原魔方！请重新设置颜色\n"},
      {sameCentres, "魔方颜色设置有问题,请重新设置颜色!\n"},
      {"123", nullptr},
      {"", nullptr},
      {std::string(oracle::kSolved) + " extra", nullptr},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments << ": " << run.out;
    if (c.message) {
      EXPECT_EQ(run.out, c.message);
    }
  }
}

}  // namespace
