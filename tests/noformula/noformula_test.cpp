#include <gtest/gtest.h>

#include <random>

#include "input/Conversions.h"
#include "solvers/noformula/MoveText.h"
#include "solvers/noformula/NoFormulaSolver.h"
#include "solvers/noformula/PieceState.h"
#include "tests/fixtures/CubeOracle.h"

namespace {

using noformula::MoveList;
using noformula::ParseMoves;
using noformula::PieceState;

const std::string kSolved = "000000000111111111222222222333333333444444444555555555";

PieceState StateOf(const std::string& facelets) {
  return PieceState::FromPieceString(input::ToPieceString(facelets));
}

TEST(NoFormula, CodesTurnLikeTheNotation) {
  std::mt19937 rng(11);
  const std::string start = oracle::RandomState(rng);
  for (const char* token : {"U", "D", "F", "B", "R", "L", "U2", "R'", "x", "x2", "y", "y'", "z", "z'"}) {
    PieceState state = StateOf(start);
    for (int code : ParseMoves(token)) state.Apply(code);
    EXPECT_EQ(state.stickers, StateOf(oracle::Apply(start, token)).stickers) << token;
  }
}

TEST(NoFormula, QuarterTurnsFourTimesAndWholeTurnsUndone) {
  std::mt19937 rng(12);
  const PieceState start = StateOf(oracle::RandomState(rng));
  for (int code = 0; code < noformula::kStepMarker; code += 3) {
    PieceState state = start;
    for (int k = 0; k < 4; ++k) state.Apply(code);
    EXPECT_EQ(state.stickers, start.stickers) << code;
    state.Apply(code);
    state.Apply(code + 2);
    EXPECT_EQ(state.stickers, start.stickers) << code;
  }
}

TEST(NoFormula, SolvedCube) {
  EXPECT_EQ(noformula::SolveNoFormula(input::ToPieceString(kSolved)),
            "[1] [2] U' U' U' U' [3] [4] [5] [6] ");
}

TEST(NoFormula, SolvesRandomStates) {
  std::mt19937 rng(99);
  for (int trial = 0; trial < 300; ++trial) {
    const std::string start = oracle::RandomState(rng, 20 + trial % 15);
    const std::string text = noformula::SolveNoFormula(input::ToPieceString(start));
    ASSERT_TRUE(oracle::Solves(start, text)) << start << "\n" << text;
    size_t at = 0;
    for (const char* marker : {"[1]", "[2]", "[3]", "[4]", "[5]", "[6]"}) {
      at = text.find(marker, at);
      ASSERT_NE(at, std::string::npos) << marker << " in " << text;
    }
  }
}

TEST(NoFormula, OneMoveFromSolvedRunsEveryStep) {
  for (const char* move : {"R", "U'", "F2", "D"}) {
    const std::string start = oracle::Apply(kSolved, move);
    const std::string text = noformula::SolveNoFormula(input::ToPieceString(start));
    EXPECT_TRUE(oracle::Solves(start, text)) << move << ": " << text;
    EXPECT_LT(text.find("[1]"), text.find("[6]")) << text;
  }
}

TEST(NoFormula, ReExpressionAndText) {
  struct Row {
    const char* moves;  // parsed into codes
    std::vector<int> extra;  // codes appended after them
    const char* text;
  };
  const Row rows[] = {
      {"y F", {}, "R "},             // after y the front is the old right
      {"x U", {}, "F "},             // after x the top is the old front
      {"z U", {}, "L "},
      {"x2 U", {}, "D "},
      {"y' R", {}, "F "},
      {"x y F", {}, "R "},           // y after x turns about the old F–B axis: it is z
      {"U D U", {}, "U2 D "},        // opposite faces merge, first face first
      {"D U'", {}, "U' D "},
      {"U U'", {}, ""},              // a sum of zero writes nothing
      {"U y U", {}, "U U "},         // whole-cube turns break a run
      {"L", {noformula::kSilentMarker}, "L "},
      {"", {noformula::kStepMarker, noformula::kSubStepMarker, noformula::kStepMarker},
       "[1] [.] [2] "},
  };
  for (const auto& row : rows) {
    MoveList codes = ParseMoves(row.moves);
    codes.insert(codes.end(), row.extra.begin(), row.extra.end());
    EXPECT_EQ(noformula::WriteText(noformula::ReExpress(codes)), row.text) << row.moves;
  }
  // A silent marker inside a run does not break it.
  MoveList codes = ParseMoves("L");
  codes.push_back(noformula::kSilentMarker);
  for (int c : ParseMoves("L")) codes.push_back(c);
  EXPECT_EQ(noformula::WriteText(codes), "L2 ");
}

TEST(NoFormula, UnrealStatesStillEnd) {
  // Not a real cube: the solver must still return.
  EXPECT_NO_THROW(noformula::SolveNoFormula("UF UR"));
  EXPECT_NO_THROW(noformula::SolveNoFormula(""));
  std::string flipped = kSolved;
  std::swap(flipped[7], flipped[10]);
  EXPECT_NO_THROW(noformula::SolveNoFormula(input::ToPieceString(flipped)));
}

}  // namespace
