#include <gtest/gtest.h>

#include <random>

#include "solvers/mcube/Check444.h"
#include "solvers/mcube/McubeMoves.h"
#include "tests/mcube/FaceletCube444.h"

namespace {

using test444::FaceletCube444;

const char kLayerLetters[] = "LlrRDduUFfbBC";
const char kDirections[] = "UDLRAC";

// Every token the grid knows: a layer letter with a direction of its own axis.
std::vector<std::string> AllTokens() {
  std::vector<std::string> out;
  for (char layer : std::string(kLayerLetters))
    for (char direction : std::string(kDirections)) {
      const std::string token{layer, direction, '.'};
      cube444::Turn turn;
      if (cube444::ParseToken(token, turn)) out.push_back(token);
    }
  return out;
}

std::string RandomTokens(std::mt19937& rng, int count) {
  const auto tokens = AllTokens();
  std::uniform_int_distribution<size_t> pick(0, tokens.size() - 1);
  std::string out;
  for (int i = 0; i < count; ++i) out += tokens[pick(rng)];
  return out;
}

std::string WholeCubeTokensOf(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); i += 3)
    if (text[i] == 'C') out += text.substr(i, 3);
  return out;
}

TEST(McubeMoves, TokensReadAndWriteBack) {
  // 12 layers with 2 directions each, and the whole cube about 3 axes both ways.
  EXPECT_EQ(AllTokens().size(), 12u * 2 + 6);
  for (const std::string& token : AllTokens()) {
    cube444::Turn turn;
    ASSERT_TRUE(cube444::ParseToken(token, turn));
    EXPECT_EQ(cube444::TokenText(turn), token);
  }
  cube444::Turn turn;
  for (const char* bad : {"RL.", "UU.", "RU", "RUx", "xU.", "", "fU."}) {
    EXPECT_FALSE(cube444::ParseToken(bad, turn)) << bad;
  }
}

// The grid's turns agree with the facelet cube built from the facelet text's
// layout, token by token, so the grid placement and the token directions are right.
TEST(McubeMoves, GridTurnsMatchTheFaceletCube) {
  std::mt19937 rng(5);
  for (const std::string& token : AllTokens()) {
    FaceletCube444 facelets;
    facelets.Scramble(rng, 30);
    cube444::Grid grid = cube444::GridFromFacelets(facelets.Facelets());
    ASSERT_TRUE(cube444::ApplyTokens(grid, token));
    ASSERT_TRUE(facelets.ApplyTokens(token));
    EXPECT_EQ(grid, cube444::GridFromFacelets(facelets.Facelets())) << token;
  }
}

TEST(McubeMoves, FourQuarterTurnsAreTheIdentity) {
  const cube444::Grid start = cube444::GridFromFacelets(FaceletCube444::Solved());
  for (const std::string& token : AllTokens()) {
    cube444::Grid grid = start;
    cube444::ApplyTokens(grid, token + token);
    EXPECT_NE(grid, start) << token;
    cube444::ApplyTokens(grid, token + token);
    EXPECT_EQ(grid, start) << token;
  }
}

TEST(McubeMoves, RemovingWholeCubeTurnsKeepsTheFaces) {
  std::mt19937 rng(9);
  for (int round = 0; round < 50; ++round) {
    const std::string text = RandomTokens(rng, 1 + round % 20);
    const std::string rewritten = cube444::RemoveWholeCubeTurns(text);
    EXPECT_EQ(WholeCubeTokensOf(rewritten), "");
    EXPECT_EQ(cube444::TokenCount(rewritten) + cube444::TokenCount(WholeCubeTokensOf(text)),
              cube444::TokenCount(text));
    // The rewritten moves followed by the whole-cube turns are the original moves.
    FaceletCube444 original, renamed;
    original.Scramble(rng, 20);
    renamed = original;
    original.ApplyTokens(text);
    renamed.ApplyTokens(rewritten + WholeCubeTokensOf(text));
    EXPECT_EQ(renamed.Facelets(), original.Facelets()) << text;
  }
}

TEST(McubeMoves, MalformedTextsStopAtTheFault) {
  cube444::Grid grid = cube444::GridFromFacelets(FaceletCube444::Solved());
  const cube444::Grid start = grid;
  EXPECT_FALSE(cube444::ApplyTokens(grid, "xx."));
  EXPECT_EQ(grid, start);
  EXPECT_FALSE(cube444::ApplyTokens(grid, "RU.R"));
  // After "CL." the R layer is the one that was at the back.
  EXPECT_EQ(cube444::RemoveWholeCubeTurns("CL.RU.zz.DL."), "BA.");
}

}  // namespace
