#include <gtest/gtest.h>

#include "input/Conversions.h"

namespace {

const std::string kSolved3 = "000000000111111111222222222333333333444444444555555555";

TEST(Conversions, SolvedCubeGivesThePositionNames) {
  EXPECT_EQ(input::ToPieceString(kSolved3),
            "UF UR UB UL DF DR DB DL FR FL BR BL UFR URB UBL ULF DRF DFL DLB DBR");
  // Letters come from the centres, so a recoloured solved cube reads the same.
  std::string recoloured = kSolved3;
  for (char& c : recoloured) c = static_cast<char>('5' - (c - '0'));
  EXPECT_EQ(input::ToPieceString(recoloured), input::ToPieceString(kSolved3));
}

TEST(Conversions, CentreCodesFollowTheCentres) {
  std::string reversed = kSolved3;
  for (char& c : reversed) c = static_cast<char>('5' - (c - '0'));
  EXPECT_EQ(input::ToCentreCodes(reversed), kSolved3);
}

TEST(Conversions, LabelledFacesOfTheSolvedCube) {
  EXPECT_EQ(input::ToLabelledFaces(kSolved3),
            "L:OOOOOOOOO F:BBBBBBBBB R:RRRRRRRRR B:GGGGGGGGG U:YYYYYYYYY D:WWWWWWWWW");
}

TEST(Conversions, HalfTurnTwiceIsTheIdentityForEveryOrder) {
  for (int order = 2; order <= 7; ++order) {
    std::string text;
    for (int i = 0; i < 6 * order * order; ++i) text += static_cast<char>('0' + (i * 7 + i / 3) % 6);
    EXPECT_EQ(input::TurnWholeX2(order, input::TurnWholeX2(order, text)), text) << order;
  }
  // The solved cube turned over: U and D, F and B swap places.
  EXPECT_EQ(input::TurnWholeX2(3, kSolved3),
            "555555555333333333222222222111111111444444444000000000");
}

TEST(Conversions, UniformFaces) {
  EXPECT_TRUE(input::IsUniform(kSolved3));
  std::string one_off = kSolved3;
  one_off[10] = '2';
  EXPECT_FALSE(input::IsUniform(one_off));
  EXPECT_TRUE(input::IsUniform(std::string(24, '3')));
}

TEST(Conversions, SolverFacesReorientTheBlocks) {
  // Order 2, each sticker numbered within its face so the re-orientation shows.
  // Faces U F R B L D; face values a b / c d row by row.
  const std::string text = "0123" "0123" "0123" "0123" "0123" "0123";
  const std::string out = input::ToSolverFaces(2, text);
  auto v = [](std::initializer_list<int> xs) {
    std::string s;
    for (int x : xs) s += static_cast<char>(x + 1);
    return s;
  };
  EXPECT_EQ(out.substr(0, 4), v({1, 3, 0, 2}));   // L: anticlockwise quarter turn
  EXPECT_EQ(out.substr(4, 4), v({0, 2, 1, 3}));   // R: transposed
  EXPECT_EQ(out.substr(8, 4), v({2, 3, 0, 1}));   // U: rows reversed
  EXPECT_EQ(out.substr(12, 4), v({0, 1, 2, 3}));  // D
  EXPECT_EQ(out.substr(16, 4), v({0, 1, 2, 3}));  // F
  EXPECT_EQ(out.substr(20, 4), v({1, 0, 3, 2}));  // B: mirrored
}

}  // namespace
