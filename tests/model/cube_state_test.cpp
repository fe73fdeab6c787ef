#include <gtest/gtest.h>

#include <string>

#include "model/WCube.h"

namespace {

using model::WCube;

std::string Uniform(int order) {
  std::string text;
  for (int face = 0; face < 6; ++face) text += std::string(static_cast<size_t>(order * order), static_cast<char>('0' + face));
  return text;
}

int CubiesInUse(const WCube& cube) {
  int count = 0;
  for (int x = -1; x <= model::kSlotsPerAxis; ++x)
    for (int y = -1; y <= model::kSlotsPerAxis; ++y)
      for (int z = -1; z <= model::kSlotsPerAxis; ++z) count += cube.Piece(x, y, z) != nullptr;
  return count;
}

TEST(CubeState, InitBuildsTheSolvedCubeOfEveryOrder) {
  WCube cube;
  EXPECT_EQ(cube.Order(), 3);
  EXPECT_EQ(cube.ExportColours(), "000000000111111111222222222333333333444444444555555555");
  for (int order = 2; order <= 7; ++order) {
    cube.Init(order);
    EXPECT_EQ(cube.ExportColours(), Uniform(order)) << order;
    EXPECT_EQ(cube.ExportStickerTurns(), std::string(static_cast<size_t>(6 * order * order), '0'));
    EXPECT_EQ(CubiesInUse(cube), order * order * order);
  }
}

TEST(CubeState, SmallerOrderKeepsOnlyItsOwnCubies) {
  WCube cube;
  cube.Init(7);
  cube.TurnLayer(0, 6, 0, 0, 1, 0);
  cube.Init(2);
  EXPECT_EQ(CubiesInUse(cube), 8);
  EXPECT_EQ(cube.MoveCount(), 0);
  cube.Init(9);  // not an order: the cube stays as it is
  EXPECT_EQ(cube.Order(), 2);
}

TEST(CubeState, StickeredSidesByCubieKind) {
  WCube cube;
  cube.Init(4);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 4; ++y)
      for (int z = 0; z < 4; ++z) {
        const int outer = (x == 0 || x == 3) + (y == 0 || y == 3) + (z == 0 || z == 3);
        int coloured = 0;
        for (int colour : cube.Piece(x, y, z)->faceColour) coloured += colour != model::kNoSticker;
        EXPECT_EQ(coloured, outer) << x << y << z;
      }
}

TEST(CubeState, ImportExportRoundTripsAnyCharacters) {
  WCube cube;
  const std::string odd = "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`abcdefg";
  ASSERT_EQ(odd.size(), 55u);
  EXPECT_EQ(cube.ImportColours(odd), 54);
  EXPECT_EQ(cube.ExportColours(), odd.substr(0, 54));
  EXPECT_EQ(cube.ImportStickerTurns(odd), 54);
  EXPECT_EQ(cube.ExportStickerTurns(), odd.substr(0, 54));
  // A short text is refused whole.
  EXPECT_EQ(cube.ImportColours("000"), 0);
  EXPECT_EQ(cube.ExportColours(), odd.substr(0, 54));
  // The interior cubie is not touched.
  for (int colour : cube.Piece(1, 1, 1)->faceColour) EXPECT_EQ(colour, model::kNoSticker);
}

struct FaceTexts {
  const char* token;
  int axis, layer, dir;
  const char* colours;
  const char* stickers;
};

TEST(Turns, OneQuarterTurnOfTheSolvedCube) {
  const FaceTexts cases[] = {
      {"R", 0, 2, 0, "001001001115115115222222222033033033444444444553553553",
       "000000000000000000111111111200200200000000000002002002"},
      {"U", 1, 2, 0, "000000000222111111333222222444333333111444444555555555",
       "111111111000000000000000000000000000000000000000000000"},
      {"F", 2, 2, 0, "000000444111111111022022022333333333445445445222555555",
       "000000111111111111100100100000000000001001001111000000"},
  };
  for (const auto& c : cases) {
    WCube cube;
    cube.TurnLayer(c.axis, c.layer, c.dir, 0, 1, 0);
    EXPECT_EQ(cube.ExportColours(), c.colours) << c.token;
    EXPECT_EQ(cube.ExportStickerTurns(), c.stickers) << c.token;
    EXPECT_EQ(cube.MoveCount(), 1);
  }
}

}  // namespace
