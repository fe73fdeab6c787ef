#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/MoveNotation.h"

namespace {

using model::WCube;

std::string State(const WCube& cube) { return cube.ExportColours() + "/" + cube.ExportStickerTurns(); }

std::string StateAfter(int order, const std::string& sequence) {
  WCube cube;
  cube.Init(order);
  EXPECT_EQ(model::ApplySequence(cube, sequence), 0) << sequence;
  return State(cube);
}

TEST(Notation, Identities) {
  struct Case {
    int order;
    const char* left;
    const char* right;
  };
  const Case cases[] = {
      {3, "x", "R M' L'"},
      {3, "y", "U E' D'"},
      {3, "z", "F S B'"},
      {3, "r", "R M'"},   // wide turn = face + inner slice
      {3, "T3R", "x"},
      {3, "WR", "M'"},
      {3, "SR", "R L'"},
      {4, "TR", "R r"},
      {4, "N4R", "L'"},
      {5, "TF'", "F' f'"},
      {5, "T4U", "y D"},
      {6, "S2F", "F f B' b'"},
      {6, "M2R", "N3R N4R"},
      {7, "T6B", "z' F"},
      {7, "WU", "u N3U N4U N5U d'"},
      {7, "S3R", "R r N3R L' l' N3L'"},
      {5, "M2", "M M"},
      {5, "CR2'", "x' x'"},
      {2, "CU2", "y2"},
      {2, "CB", "z'"},
  };
  for (const auto& c : cases) EXPECT_EQ(StateAfter(c.order, c.left), StateAfter(c.order, c.right)) << c.left;
}

// Worked layer numbers: the token turns exactly these layers in this direction.
TEST(Notation, WorkedLayerNumbers) {
  struct Case {
    int order;
    const char* token;
    int axis;
    std::vector<int> layers;
    int dir;
  };
  const Case cases[] = {
      {7, "R", 0, {6}, 0},         {7, "NR", 0, {5}, 0},         {7, "r", 0, {5}, 0},
      {7, "N3R", 0, {4}, 0},       {7, "N4R", 0, {3}, 0},        {7, "N5R", 0, {2}, 0},
      {7, "L", 0, {0}, 1},         {7, "NL", 0, {1}, 1},         {7, "N3L", 0, {2}, 1},
      {7, "MR", 0, {3}, 0},        {7, "ML", 0, {3}, 1},         {7, "M", 0, {3}, 1},
      {7, "M2R", 0, {3, 4}, 0},    {7, "M2L", 0, {2, 3}, 1},     {7, "M3R", 0, {2, 3, 4}, 0},
      {7, "M3L", 0, {2, 3, 4}, 1}, {7, "VR", 0, {4, 5}, 0},      {7, "V3R", 0, {3, 4, 5}, 0},
      {7, "V4R", 0, {2, 3, 4, 5}, 0}, {7, "VL", 0, {1, 2}, 1},   {7, "WR", 0, {1, 2, 3, 4, 5}, 0},
      {7, "TR", 0, {5, 6}, 0},     {7, "T6B", 2, {0, 1, 2, 3, 4, 5}, 1},
      {7, "SR", 0, {0, 6}, 0},     {7, "S3R", 0, {0, 1, 2, 4, 5, 6}, 0},
      {7, "E", 1, {3}, 1},         {7, "S", 2, {3}, 0},
      {4, "NR", 0, {2}, 0},        {4, "r", 0, {2}, 0},          {4, "MR", 0, {2}, 0},
      {4, "NL", 0, {1}, 1},        {4, "l", 0, {1}, 1},          {4, "ML", 0, {1}, 1},
      {4, "N3R", 0, {1}, 0},       {4, "N4R", 0, {0}, 0},        {4, "MU", 1, {2}, 0},
      {6, "M2L", 0, {2, 3}, 1},    {6, "M3R", 0, {2, 3, 4}, 0},  {6, "M3L", 0, {1, 2, 3}, 1},
      {3, "r", 0, {1, 2}, 0},      {5, "u'", 1, {3}, 1},         {3, "N3R", 0, {0}, 0},
  };
  for (const auto& c : cases) {
    WCube cube;
    cube.Init(c.order);
    model::ApplyCommand(cube, c.token, 0, 0, 0);
    WCube expected;
    expected.Init(c.order);
    for (int layer : c.layers) expected.TurnLayer(c.axis, layer, c.dir, 0, 0, 0);
    EXPECT_EQ(State(cube), State(expected)) << c.order << " " << c.token;
  }
}

TEST(Notation, TokensValidOnlyForSomeOrders) {
  struct Case {
    const char* token;
    const char* orders;  // the orders 2..7 that know the token
  };
  const Case cases[] = {
      {"R", "234567"},   {"x2'", "234567"}, {"CU2", "234567"}, {"CU2'", ""},     {"CD2'", ""},
      {"CR2'", "234567"}, {"TR", "34567"},  {"TR2'", ""},      {"T3R", "34567"}, {"T4R", "4567"},
      {"T5L2", "567"},   {"T6B", "7"},      {"T6F", ""},       {"SR", "34567"},  {"S2U", "4567"},
      {"S3F", "7"},      {"S3B", ""},       {"S3L", ""},       {"NR", "4567"},   {"r", "34567"},
      {"r'", "34567"},   {"r2", "4567"},    {"r2'", "4567"},   {"N3R", "34567"}, {"N5B'", "567"},
      {"WR2", "34567"},  {"M", "357"},      {"E2'", "357"},    {"S'", "357"},    {"MR", "34567"},
      {"MR2'", "34567"}, {"MF2'", "34567"}, {"M2R", "67"},     {"M3D2", "67"},   {"VR", "567"},
      {"V3R", "67"},     {"V4B'", "7"},     {"V4B2'", ""},     {" R", ""},       {"R ", ""},
      {"", ""},          {"r", "34567"},    {"X", ""},         {"Rw", ""},       {"R3", ""},
  };
  for (const auto& c : cases) {
    for (int order = 2; order <= 7; ++order) {
      const bool expected = std::string(c.orders).find(static_cast<char>('0' + order)) != std::string::npos;
      EXPECT_EQ(model::IsInVocabulary(order, c.token), expected) << '"' << c.token << "\" order " << order;
    }
  }
}

TEST(Notation, UnknownTokensDoNothing) {
  struct Case {
    int order;
    const char* token;
  };
  const Case cases[] = {{4, "M"}, {3, "r2"}, {2, "r"}, {7, "S3B"}, {7, "T6F"}, {3, "CU2'"},
                        {3, " R"}, {3, "R "}, {3, ""},  {3, "u2'"}, {6, "E"},  {3, "rr"}};
  for (const auto& c : cases) {
    WCube cube;
    cube.Init(c.order);
    model::ApplyCommand(cube, c.token, 1, 1, 1);
    EXPECT_EQ(State(cube), State([&] { WCube w; w.Init(c.order); return w; }())) << c.token;
    EXPECT_EQ(cube.MoveCount(), 0);
  }
}

TEST(Notation, MoveCounts) {
  struct Case {
    int order;
    const char* sequence;
    int moves;
  };
  const Case cases[] = {
      {3, "R2", 2}, {3, "r", 0},      {5, "r", 1},    {5, "r2'", 2}, {3, "M2'", 2},
      {4, "MR2", 2}, {3, "x y2 z'", 0}, {6, "M2R2", 0}, {3, "R U R' U'", 4},
  };
  for (const auto& c : cases) {
    WCube cube;
    cube.Init(c.order);
    model::ApplySequence(cube, c.sequence, 0, 1, 0);
    EXPECT_EQ(cube.MoveCount(), c.moves) << c.sequence;
  }
}

TEST(Notation, HalfTurnsRecordTheirDirection) {
  struct Case {
    int order;
    const char* token;
    model::TurnRecord each;
  };
  const Case cases[] = {
      {3, "R2", {0, 2, 0}},  {3, "R2'", {0, 2, 1}}, {5, "MD2", {1, 2, 0}}, {5, "MD2'", {1, 2, 1}},
      {5, "MU2", {1, 2, 1}}, {5, "MU2'", {1, 2, 0}}, {6, "MD2", {1, 2, 1}}, {6, "MU2", {1, 3, 0}},
  };
  for (const auto& c : cases) {
    WCube cube;
    cube.Init(c.order);
    model::ApplyCommand(cube, c.token, 0, 1, 0);
    EXPECT_EQ(cube.history, (std::vector<model::TurnRecord>{c.each, c.each})) << c.order << c.token;
  }
}

TEST(Notation, ApplySequenceCountsIgnoredTokens) {
  WCube cube;
  EXPECT_EQ(model::ApplySequence(cube, "  R\tU2  bogus\nM2R F' ", 0, 1, 0), 2);
  EXPECT_EQ(cube.MoveCount(), 4);
  EXPECT_EQ(model::ApplySequence(cube, ""), 0);
}

TEST(TypedKeys, CharacterAndShiftGiveTheToken) {
  struct Case {
    char character;
    const char* plain;
    const char* shifted;
  };
  const Case cases[] = {
      {'R', "R", "r'"}, {'B', "B", "b'"}, {'r', "r", "R'"}, {'u', "u", "U'"}, {'x', "x", ""},
      {'Z', "", "z'"},  {'M', "M", ""},   {'s', "", "S'"},  {'e', "", "E'"},  {'q', "", ""},
      {'2', "", ""},    {'\'', "", ""},   {' ', "", ""},    {'\0', "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(model::TypedKeyToken(c.character, false), c.plain) << c.character;
    EXPECT_EQ(model::TypedKeyToken(c.character, true), c.shifted) << c.character;
  }
}

}  // namespace
