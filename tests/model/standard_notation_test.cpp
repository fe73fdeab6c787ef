// Standard notation against the program's own: every token the program knows,
// at every order, written in standard notation and read back turns the cube alike.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/MoveNotation.h"
#include "model/StandardNotation.h"

namespace {

// A cube far from solved, so that any two different turns leave different colours.
model::WCube Scrambled(int order) {
  model::WCube cube;
  cube.Init(order);
  std::mt19937 random(order);
  const auto vocabulary = model::VocabularyOf(order);
  for (int i = 0; i < 60; ++i) model::ApplyCommand(cube, vocabulary[random() % vocabulary.size()], 0, 0, 0);
  return cube;
}

void ApplyStandard(model::WCube& cube, const std::string& text) {
  const auto blocks = model::ReadStandardText(cube.Order(), text);
  ASSERT_TRUE(blocks) << text;
  for (const auto& block : *blocks) model::ApplyBlock(cube, block, 0, 0, 0);
}

TEST(StandardNotation, EveryTokenOfEveryOrderRoundTrips) {
  for (int order = 2; order <= 7; ++order) {
    const model::WCube start = Scrambled(order);
    for (const std::string& token : model::VocabularyOf(order)) {
      model::WCube own = start;
      model::ApplyCommand(own, token, 0, 0, 0);
      const std::string standard = model::ToStandardText(order, {token});
      model::WCube read = start;
      ApplyStandard(read, standard);
      EXPECT_EQ(read.ExportColours(), own.ExportColours()) << order << " " << token << " -> " << standard;
      // And back into the program's tokens, as the command box loads a pasted sequence.
      model::WCube again = start;
      const auto blocks = model::ReadStandardText(order, standard);
      ASSERT_TRUE(blocks);
      for (const auto& block : *blocks) {
        for (const std::string& back : model::ProgramTokensOf(order, block)) {
          ASSERT_TRUE(model::IsInVocabulary(order, back)) << back;
          model::ApplyCommand(again, back, 0, 0, 0);
        }
      }
      EXPECT_EQ(again.ExportColours(), own.ExportColours()) << order << " " << token << " -> " << standard;
    }
  }
}

TEST(StandardNotation, NamesOfTheProgramsTokens) {
  struct Case {
    int order;
    std::vector<std::string> tokens;
    const char* standard;
  };
  const Case cases[] = {
      {3, {"R", "U'", "F2", "B2'", "x", "y'", "z2"}, "R U' F2 B2 x y' z2"},
      {3, {"r", "l'", "TR", "T3R"}, "Rw Lw' Rw x"},
      {3, {"M", "E'", "S2", "MR", "WR", "WF'"}, "M E' S2 M' M' S'"},
      {3, {"SR", "SU'"}, "L' R D U'"},
      {3, {"CR", "CL", "CU", "CD2", "CF'", "CB"}, "x x' y y2 z' z'"},
      {2, {"x", "CU", "D'"}, "x y D'"},
      {4, {"NR", "r", "MR", "ML", "N3R", "N4R", "TR", "T3F"}, "2R 2R 2R 2L 2L' L' Rw 3Fw"},
      {4, {"S2F", "SR"}, "z L' R"},
      {5, {"MR", "ML", "M", "N3R", "VR", "WR'"}, "3R 3L 3L 3R 3R 2R 2L 3L 2R'"},
      {7, {"T6B", "V4B'", "S3R"}, "6Bw 2B' 3B' 4F 3F 3Lw' 3Rw"},
      {7, {"M2R", "M3L", "N5F"}, "4R 3R 3L 4L 3R' 3B'"},
      // Log markers, notes and tokens of other orders stay out.
      {3, {"??", "[1]", "R", "NR", "@@"}, "R"},
      {4, {"M"}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(model::ToStandardText(c.order, c.tokens), c.standard) << c.standard;
}

TEST(StandardNotation, ReadsTheCommonForms) {
  struct Case {
    int order;
    const char* token;
    model::LayerBlock block;  // axis, first, count, dir, quarters
  };
  const Case cases[] = {
      {3, "R", {0, 2, 1, 0, 1}},   {3, "R'", {0, 2, 1, 1, 1}},  {3, "L", {0, 0, 1, 1, 1}},
      {3, "U2", {1, 2, 1, 0, 2}},  {3, "D2'", {1, 0, 1, 0, 2}}, {3, "M", {0, 1, 1, 1, 1}},
      {3, "E'", {1, 1, 1, 0, 1}},  {3, "S", {2, 1, 1, 0, 1}},   {3, "x", {0, 0, 3, 0, 1}},
      {3, "y'", {1, 0, 3, 1, 1}},  {3, "z2", {2, 0, 3, 0, 2}},  {3, "r", {0, 1, 2, 0, 1}},
      {4, "r", {0, 2, 2, 0, 1}},   {4, "Rw", {0, 2, 2, 0, 1}},  {4, "3Rw'", {0, 1, 3, 1, 1}},
      {4, "3r", {0, 1, 3, 0, 1}},  {4, "2R", {0, 2, 1, 0, 1}},  {4, "2L", {0, 1, 1, 1, 1}},
      {5, "3F2", {2, 2, 1, 0, 2}}, {7, "6Bw", {2, 0, 6, 1, 1}}, {2, "Rw", {0, 0, 2, 0, 1}},
      {7, "Dw", {1, 0, 2, 1, 1}},
  };
  for (const Case& c : cases) {
    const auto block = model::ReadStandardToken(c.order, c.token);
    ASSERT_TRUE(block) << c.token;
    EXPECT_EQ(*block, c.block) << c.token;
  }
  for (const char* bad : {"", "R3", "Rww", "rw", "2x", "w", "8R", "R''", "M2''", "Q", " R", "R "})
    EXPECT_FALSE(model::ReadStandardToken(7, bad)) << bad;
  EXPECT_FALSE(model::ReadStandardToken(4, "M")) << "M E S only on the 3x3x3";
  EXPECT_FALSE(model::ReadStandardToken(3, "4R"));
  std::string bad;
  EXPECT_FALSE(model::ReadStandardText(3, "R U Rx F", &bad));
  EXPECT_EQ(bad, "Rx");
  EXPECT_EQ(model::ReadStandardText(3, "  R\tU'\n")->size(), 2u);
}

// A single layer named in standard notation is recorded as typed turns are.
TEST(StandardNotation, SingleLayersAreRecorded) {
  model::WCube cube;
  cube.Init(4);
  for (const char* token : {"R2", "2R", "Rw", "x"}) model::ApplyBlock(cube, *model::ReadStandardToken(4, token), 0, 1, 0);
  EXPECT_EQ(cube.MoveCount(), 3);
}

}  // namespace
