// SolveThreeStage on whole cubes; every solution is checked by applying it to
// the independent facelet model.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>

#include "solvers/threestage/ThreeStageSolver.h"
#include "tests/threestage/FaceletOracle.h"

namespace threestage {
namespace {

using threestage_test::Colours;

bool SolvesIt(Colours c, const ThreeStageResult& result) {
  for (const FaceTurn& t : result.moves) threestage_test::TurnFace(c, t.face, t.amount);
  return threestage_test::IsSolved(c);
}

TEST(SolveThreeStage, SolvedCubeTakesNoMoves) {
  for (int mode : {0, 3}) {
    ThreeStageResult result;
    EXPECT_EQ(SolveThreeStage(threestage_test::SolvedColours(), mode, result), 0);
    EXPECT_TRUE(result.moves.empty());
  }
}

TEST(SolveThreeStage, OneTurnIsUndoneByTheFirstCandidate) {
  for (int face = 0; face < 6; ++face) {
    for (int amount = 1; amount <= 3; ++amount) {
      Colours c = threestage_test::SolvedColours();
      threestage_test::TurnFace(c, face, amount);
      ThreeStageResult result;
      ASSERT_EQ(SolveThreeStage(c, 0, result), 1);
      EXPECT_EQ(result.moves[0].face, face);
      EXPECT_EQ(result.moves[0].amount, 4 - amount);
      EXPECT_EQ(result.orientation, 0);
    }
  }
}

TEST(SolveThreeStage, RandomCubesInBothModes) {
  std::mt19937 random(2024);
  for (int i = 0; i < 40; ++i) {
    const Colours c = threestage_test::Scrambled(random, 40);
    for (int mode : {0, 3}) {
      if (mode == 3 && i % 20 != 0) continue;  // the advanced mode is slower
      ThreeStageResult result;
      const int n = SolveThreeStage(c, mode, result);
      ASSERT_GE(n, 0) << threestage_test::ToText(c);
      EXPECT_EQ(n, static_cast<int>(result.moves.size()));
      EXPECT_TRUE(SolvesIt(c, result)) << "mode " << mode << " " << threestage_test::ToText(c);
      EXPECT_GE(result.orientation, 0);
      EXPECT_LE(result.orientation, 5);
      for (size_t k = 1; k < result.moves.size(); ++k) EXPECT_NE(result.moves[k].face, result.moves[k - 1].face);
    }
  }
}

TEST(SolveThreeStage, AdvancedModeIsNeverLonger) {
  std::mt19937 random(99);
  for (int i = 0; i < 2; ++i) {
    const Colours c = threestage_test::Scrambled(random, 30);
    ThreeStageResult beginner, advanced;
    ASSERT_GT(SolveThreeStage(c, 0, beginner), 0);
    ASSERT_GT(SolveThreeStage(c, 3, advanced), 0);
    EXPECT_LE(advanced.moves.size(), beginner.moves.size());
    EXPECT_TRUE(SolvesIt(c, advanced));
  }
}

TEST(SolveThreeStage, ColoursAreReadRelativeToTheCentres) {
  std::mt19937 random(5);
  const Colours c = threestage_test::Scrambled(random, 25);
  const std::uint8_t relabel[6] = {40, 7, 200, 3, 99, 12};
  Colours other{};
  for (int i = 0; i < 54; ++i) other[i] = relabel[c[i]];
  ThreeStageResult a, b;
  ASSERT_GT(SolveThreeStage(c, 0, a), 0);
  ASSERT_GT(SolveThreeStage(other, 0, b), 0);
  ASSERT_EQ(a.moves.size(), b.moves.size());
  for (size_t k = 0; k < a.moves.size(); ++k) EXPECT_EQ(a.moves[k].face, b.moves[k].face);
}

TEST(SolveThreeStage, RefusesImpossibleCubesAndModes) {
  Colours twisted = threestage_test::SolvedColours();
  std::swap(twisted[8], twisted[11]);
  std::swap(twisted[11], twisted[18]);
  Colours flipped = threestage_test::SolvedColours();
  std::swap(flipped[7], flipped[10]);
  Colours fiveOfOne = threestage_test::SolvedColours();
  fiveOfOne[0] = 1;
  for (const Colours& bad : {twisted, flipped, fiveOfOne}) {
    ThreeStageResult result;
    EXPECT_EQ(SolveThreeStage(bad, 0, result), kThreeStageUnsolvable);
    EXPECT_TRUE(result.moves.empty());
  }
  ThreeStageResult result;
  EXPECT_EQ(SolveThreeStage(threestage_test::SolvedColours(), 1, result), kThreeStageBadMode);
}

// The command-line route prints the solution in the standard notation.
TEST(SolveThreeStage, CliRoutePrintsMoves) {
  std::mt19937 random(3);
  const Colours c = threestage_test::Scrambled(random, 20);
  const std::string command = std::string(ROVAN_CLI_PATH) + " solve threestage " + threestage_test::ToText(c);
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  ASSERT_TRUE(pipe);
  std::string out;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
  ASSERT_EQ(out.rfind("turns: \nmoves: ", 0), 0u) << out;
  Colours applied = c;
  const size_t movesStart = std::string("turns: \nmoves: ").size();
  const std::string moves = out.substr(movesStart, out.find('\n', movesStart) - movesStart);
  EXPECT_EQ(out.substr(movesStart + moves.size()), "\nstandard: " + moves + "\n");  // face turns read alike
  const std::string letters = "RUFLDB";
  for (size_t i = 0; i < moves.size(); ++i) {
    const auto face = letters.find(moves[i]);
    if (face == std::string::npos) continue;
    int amount = 1;
    if (i + 1 < moves.size() && moves[i + 1] == '2') amount = 2;
    if (i + 1 < moves.size() && moves[i + 1] == '\'') amount = 3;
    threestage_test::TurnFace(applied, static_cast<int>(face), amount);
  }
  EXPECT_TRUE(threestage_test::IsSolved(applied)) << out;
}

}  // namespace
}  // namespace threestage
