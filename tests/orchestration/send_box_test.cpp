#include <gtest/gtest.h>

#include "solvers/orchestration/SendBox.h"

namespace {

using orchestration::Cells;

TEST(SendBox, CharacterCheck) {
  struct Row {
    const char* text;
    bool accepted;
  };
  const Row rows[] = {
      {"", true},
      {"R U R' U'", true},
      {"R2 L' x y' z2", true},
      {"R2'", false},          // only one "'" or "2" goes with a letter
      {"NR T3F V4B' W2U CF", true},
      {"(R U).(R' U')", true},
      {"M E S l r f b u d X Y Z", true},
      {"R K U", false},        // K is no command letter
      {"' R", false},          // a prime needs a move before it
      {"R ''", false},         // one prime belongs to the move, the second does not
      {"R\tU", false},         // tab splits tokens but is not typed in the box
      {"R7", false},
      {"R U ;", false},
      {"右", false},
  };
  for (const auto& row : rows) EXPECT_EQ(orchestration::CheckSendText(row.text), row.accepted) << row.text;
}

TEST(SendBox, Tokenising) {
  struct Row {
    const char* text;
    Cells tokens;
  };
  const Row rows[] = {
      {"", {}},
      {"R U R' U'", {"R", "U", "R'", "U'"}},
      {"  R  U2 ", {"R", "U2"}},
      {"(R U).(R' U')", {"R", "U", "R'", "U'"}},
      {"R\nU\r\nF\tB\fD", {"R", "U", "F", "B", "D"}},
  };
  for (const auto& row : rows) EXPECT_EQ(orchestration::TokeniseSendText(row.text), row.tokens) << row.text;
}

// A pasted sequence in standard notation loads as the program's tokens where
// they differ; the program's own tokens keep their meaning.
TEST(SendBox, ReadsStandardNotationToo) {
  struct Row {
    int order;
    const char* text;
    std::optional<Cells> cells;
  };
  const Row rows[] = {
      {3, "R U' (F2.x) L", Cells{"R", "U'", "F2", "x", "L"}},
      {3, "Rw U 3Rw'", Cells{"TR", "U", "x'"}},
      {4, "Rw 2R 3Fw2 r", Cells{"TR", "NR", "T3F2", "r"}},  // r stays the second layer
      {7, "2-3Rw", std::nullopt},
      {3, "R U K", std::nullopt},
      {3, "R 7R", std::nullopt},  // no seventh layer; '7' is no character of the notation
      {3, "R 4R", Cells{"R", "4R"}},  // characters of the notation: loaded as typed
  };
  for (const auto& row : rows) EXPECT_EQ(orchestration::ReadSendText(row.text, row.order), row.cells) << row.text;
}

}  // namespace
