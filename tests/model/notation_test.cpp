#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/MoveNotation.h"

namespace {

using model::WCube;

std::string StateAfter(int order, const std::string& sequence) {
  WCube cube;
  cube.Init(order);
  EXPECT_EQ(model::ApplySequence(cube, sequence), 0) << sequence;
  return cube.ExportColours() + "/" + cube.ExportStickerTurns();
}

TEST(Notation, VocabularyHas445TokensOverAllOrders) {
  std::set<std::string> all;
  for (int order = 2; order <= 7; ++order) {
    for (const auto& token : model::VocabularyOf(order)) all.insert(token);
  }
  EXPECT_EQ(all.size(), 445u);
}

TEST(Notation, Identities) {
  struct Case {
    int order;
    const char* left;
    const char* right;
  };
  const Case cases[] = {
      {3, "x", "R M' L'"},
      {3, "r", "R M'"},
      {5, "TR", "R r"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StateAfter(c.order, c.left), StateAfter(c.order, c.right)) << c.left;
  }
}

}  // namespace
