#include <gtest/gtest.h>

#include "solvers/twophase/KubeLayout.h"
#include "solvers/twophase/MoveCodes.h"

namespace {

using namespace twophase;

TEST(MoveCodes, CodesNamesAndInverses) {
  struct Case {
    int face, count;
    int code;
    const char* name;
    const char* inverse;
  };
  const Case cases[] = {
      {kR, 1, 6, "R", "R'"},  {kL, 1, 7, "L", "L'"},   {kB, 1, 8, "B", "B'"},  {kF, 1, 9, "F", "F'"},
      {kU, 1, 10, "U", "U'"}, {kD, 1, 11, "D", "D'"},  {kR, 2, 12, "R2", "R2"}, {kD, 2, 17, "D2", "D2"},
      {kR, 3, 18, "R'", "R"}, {kF, 3, 21, "F'", "F"},  {kD, 3, 23, "D'", "D"},
  };
  for (const auto& c : cases) {
    const auto code = MoveCode(c.face, c.count);
    EXPECT_EQ(code, c.code);
    EXPECT_STREQ(MoveName(code), c.name);
    EXPECT_STREQ(MoveName(InverseMoveCode(code)), c.inverse);
    EXPECT_EQ(InverseMoveCode(InverseMoveCode(code)), code);
  }
}

TEST(MoveCodes, LinesBreakOnlyOnceSeventyCharactersAreFull) {
  std::vector<std::uint8_t> codes(30, MoveCode(kR, 2));  // "R2" and a space: 3 characters each
  // 23 names fill 68 characters, 24 fill 71: the 25th name starts a new line.
  const std::string text = FormatSolution(codes.data(), 30);
  const auto lineBreak = text.find("\r\n");
  ASSERT_NE(lineBreak, std::string::npos);
  EXPECT_EQ(lineBreak, 71u);
  EXPECT_EQ(text.substr(lineBreak + 2, 5), "R2 R2");
  EXPECT_EQ(text.find("\r\n", lineBreak + 1), std::string::npos);
  EXPECT_EQ(text.find(" \r\n"), std::string::npos);
  // 23 names: a shorter line never breaks.
  EXPECT_EQ(FormatSolution(codes.data(), 23).find('\r'), std::string::npos);
  EXPECT_EQ(JoinMoves(codes.data(), 30).find('\r'), std::string::npos);
  EXPECT_EQ(FormatSolution(codes.data(), 0), "");
}

}  // namespace
