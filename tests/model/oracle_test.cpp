// The program's cube and notation against the independent sticker model.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "StickerOracle.h"
#include "model/MoveNotation.h"

namespace {

std::set<std::string> OracleVocabulary(int order) {
  std::set<std::string> tokens;
  for (const auto& token : oracle::CandidateTokens()) {
    if (oracle::Parse(token, order)) tokens.insert(token);
  }
  return tokens;
}

TEST(Oracle, VocabularyOfEveryOrderMatches) {
  std::set<std::string> all;
  for (int order = 2; order <= 7; ++order) {
    const auto program = model::VocabularyOf(order);
    const std::set<std::string> programSet(program.begin(), program.end());
    EXPECT_EQ(programSet.size(), program.size()) << "duplicate tokens for order " << order;
    EXPECT_EQ(programSet, OracleVocabulary(order)) << order;
    for (const auto& token : oracle::CandidateTokens()) {
      EXPECT_EQ(model::IsInVocabulary(order, token), programSet.count(token) == 1) << token;
    }
    all.insert(programSet.begin(), programSet.end());
  }
  EXPECT_EQ(all.size(), 445u);
  EXPECT_TRUE(model::VocabularyOf(1).empty());
  EXPECT_TRUE(model::VocabularyOf(8).empty());
}

std::vector<std::array<int, 3>> Records(const model::WCube& cube) {
  std::vector<std::array<int, 3>> records;
  for (const auto& r : cube.history) records.push_back({r.axis, r.layer, r.dir});
  return records;
}

// A side of a cubie that faces the inside must carry no sticker.
bool InteriorSidesAreBare(const model::WCube& cube) {
  const int n = cube.Order();
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y)
      for (int z = 0; z < n; ++z) {
        const auto& colour = cube.Piece(x, y, z)->faceColour;
        const bool onSurface[6] = {x == n - 1, x == 0, y == n - 1, y == 0, z == n - 1, z == 0};
        for (int side = 0; side < 6; ++side) {
          if (!onSurface[side] && colour[side] != model::kNoSticker) return false;
        }
      }
  return true;
}

TEST(Oracle, RandomSequencesAgreeForEveryOrder) {
  std::mt19937 random(20261209);
  const auto candidates = oracle::CandidateTokens();
  for (int order = 2; order <= 7; ++order) {
    const auto validSet = OracleVocabulary(order);
    const std::vector<std::string> valid(validSet.begin(), validSet.end());
    for (int run = 0; run < 3; ++run) {
      model::WCube cube;
      cube.Init(order);
      oracle::StickerCube expected(order);
      for (int step = 0; step < 60; ++step) {
        const std::string token = random() % 4 == 0 ? candidates[random() % candidates.size()]
                                                    : valid[random() % valid.size()];
        expected.Apply(token);
        model::ApplyCommand(cube, token, 0, 1, 0);
        ASSERT_EQ(cube.ExportColours(), expected.Colours()) << "order " << order << " after " << token;
        ASSERT_EQ(cube.ExportStickerTurns(), expected.StickerTurns()) << "order " << order << " after " << token;
        ASSERT_EQ(Records(cube), expected.Records()) << "order " << order << " after " << token;
      }
      EXPECT_TRUE(InteriorSidesAreBare(cube)) << order;
    }
  }
}

// The direct turn operations, layer sets included, against the model.
TEST(Oracle, MultiLayerOperationsTurnTheirLayers) {
  struct Case {
    const char* name;
    int order;
    void (*turn)(model::WCube&);
    oracle::Quarter quarter;
  };
  const Case cases[] = {
      {"first 2 about Y", 5, [](model::WCube& c) { c.TurnFirst(1, 2, 1, 0, 0); }, {1, {0, 1}, 1}},
      {"last 3 about X", 6, [](model::WCube& c) { c.TurnLast(0, 3, 0, 0, 0); }, {0, {3, 4, 5}, 0}},
      {"range 1..3 about Z", 7, [](model::WCube& c) { c.TurnRange(2, 1, 3, 1, 0, 0); }, {2, {1, 2, 3}, 1}},
      {"both 1 about Z", 3, [](model::WCube& c) { c.TurnBoth(2, 1, 0, 0, 0); }, {2, {0, 2}, 0}},
      {"both 3 about X", 7, [](model::WCube& c) { c.TurnBoth(0, 3, 1, 0, 0); }, {0, {0, 1, 2, 4, 5, 6}, 1}},
      {"both 2 overlapping", 3, [](model::WCube& c) { c.TurnBoth(1, 2, 0, 0, 0); }, {1, {0, 1, 2}, 0}},
  };
  for (const auto& c : cases) {
    model::WCube cube;
    cube.Init(c.order);
    ASSERT_EQ(model::ApplySequence(cube, "R U F' NL", 0, 0, 0), c.order == 3 ? 1 : 0);  // NL only from 4
    oracle::StickerCube expected(c.order);
    for (const char* token : {"R", "U", "F'", "NL"}) expected.Apply(token);
    c.turn(cube);
    expected.Turn(c.quarter);
    EXPECT_EQ(cube.ExportColours(), expected.Colours()) << c.name;
    EXPECT_EQ(cube.ExportStickerTurns(), expected.StickerTurns()) << c.name;
    EXPECT_EQ(cube.MoveCount(), 0) << c.name;
  }
}

}  // namespace
