#include <gtest/gtest.h>

#include "model/LogRelabel.h"
#include "model/MoveNotation.h"
#include "model/WCube.h"

namespace {

using movelog::WholeRotation;

// A cube of the order with every sticker distinguishable by its position.
model::WCube Scrambled(int order) {
  model::WCube cube;
  cube.Init(order);
  model::ApplySequence(cube, "R U2 F' L D B2 NR u", 0, 0, 0);
  return cube;
}

std::string State(const model::WCube& cube) { return cube.ExportColours() + cube.ExportStickerTurns(); }

// Rotating the cube and then playing the re-lettered token gives the same state
// as playing the token and then rotating, for every token of every order and
// every rotation button, except T6B which has no equivalent token.
TEST(LogRelabel, RelabelledTokensMakeTheSamePhysicalTurns) {
  for (int order = 2; order <= 7; ++order) {
    const model::WCube start = Scrambled(order);
    for (int r = 0; r < movelog::kWholeRotationCount; ++r) {
      const auto rotation = static_cast<WholeRotation>(r);
      const std::string rotationToken = movelog::RotationToken(rotation);
      for (const std::string& token : model::VocabularyOf(order)) {
        const std::string relabelled = movelog::RelabelCommand(rotation, token, order);
        model::WCube a = start, b = start;
        model::ApplyCommand(a, rotationToken, 0, 0, 0);
        model::ApplyCommand(a, relabelled, 0, 0, 0);
        model::ApplyCommand(b, token, 0, 0, 0);
        model::ApplyCommand(b, rotationToken, 0, 0, 0);
        if (token.rfind("T6B", 0) == 0 && rotation != WholeRotation::Z && rotation != WholeRotation::Z2 &&
            rotation != WholeRotation::ZPrime) {
          continue;
        }
        ASSERT_EQ(State(a), State(b)) << "order " << order << " " << rotationToken << " " << token
                                      << " -> " << relabelled;
      }
    }
  }
}

TEST(LogRelabel, KeepsTheTableResultWhereItIsRight) {
  struct Case {
    WholeRotation rotation;
    const char* in;
    int order;
    const char* out;
  };
  const Case cases[] = {
      {WholeRotation::Y, "R", 3, "F"},        {WholeRotation::Y, "CF", 3, "CL"},
      {WholeRotation::Y, "N3F", 5, "N3L"},    {WholeRotation::Y, "r2'", 4, "f2'"},
      {WholeRotation::Y2, "x", 3, "x'"},      {WholeRotation::X, "S", 3, "E'"},
      {WholeRotation::X, "y2", 3, "z2"},      {WholeRotation::X, "E2'", 3, "S2'"},
      {WholeRotation::Y, "M2'", 5, "S2'"},    {WholeRotation::X, "@@", 3, "@@"},
      {WholeRotation::X, "hello", 3, "hello"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(movelog::RelabelCommand(c.rotation, c.in, c.order), c.out)
        << movelog::RotationToken(c.rotation) << " " << c.in;
  }
  // CB2' under x: the table gives CU2', which is not a token; a token that turns alike is used.
  const std::string cb = movelog::RelabelCommand(WholeRotation::X, "CB2'", 3);
  EXPECT_TRUE(model::IsInVocabulary(3, cb)) << cb;
}

}  // namespace
