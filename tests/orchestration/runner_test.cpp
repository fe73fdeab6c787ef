#include <gtest/gtest.h>

#include <random>

#include "solvers/orchestration/SolveMessages.h"
#include "solvers/orchestration/SolveRunner.h"
#include "tests/fixtures/CubeOracle.h"

namespace {

using namespace orchestration;
using Status = SolveOutcome::Status;

const std::string kSolved = "000000000111111111222222222333333333444444444555555555";
const SolveOptions kLayers{0, 0};
const SolveOptions kNoFormula{1, 0};

std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (const auto& item : items) out += (out.empty() ? "" : " ") + item;
  return out;
}

// The cube after every whole-cube turn of the route and then the log's moves.
std::string Played(int order, const std::string& start, const SolveOutcome& outcome) {
  const std::string turned = oracle::Apply(order, start, Joined(AllCubeTurns(outcome)));
  return oracle::Apply(order, turned, Joined(FinalCells(outcome)));
}

void ExpectLoadedAndSolving(int order, const std::string& start, const SolveOutcome& outcome) {
  ASSERT_EQ(outcome.status, Status::kLoaded) << outcome.message;
  const Cells cells = FinalCells(outcome);
  ASSERT_GE(cells.size(), 2u);
  EXPECT_EQ(cells.front(), "??");
  EXPECT_EQ(cells.back(), "@@");
  EXPECT_TRUE(input::IsUniform(Played(order, start, outcome)))
      << start << "\nturns: " << Joined(AllCubeTurns(outcome)) << "\nmoves: " << Joined(cells);
}

TEST(SolveRunner, BeginnerSolvesRandomStatesWithBothMethods) {
  std::mt19937 rng(321);
  for (int trial = 0; trial < 100; ++trial) {
    // Some states also turned as a whole, so the no-formula route turns the cube first.
    std::string start = oracle::RandomState(rng, 25);
    if (trial % 3 == 1) start = oracle::Apply(start, "x");
    if (trial % 3 == 2) start = oracle::Apply(start, "z' y");
    ExpectLoadedAndSolving(3, start, RunBeginner(start, kLayers));
    ExpectLoadedAndSolving(3, start, RunBeginner(start, kNoFormula));
  }
}

TEST(SolveRunner, RefusedColouringsShowTheirMessage) {
  struct Row {
    const char* what;
    std::string text;
    const char* message;
  };
  auto with = [](std::initializer_list<std::pair<int, char>> changes) {
    std::string t = kSolved;
    for (auto [at, c] : changes) t[at] = c;
    return t;
  };
  auto swapped = [](std::initializer_list<std::pair<int, int>> swaps) {
    std::string t = kSolved;
    for (auto [a, b] : swaps) std::swap(t[a], t[b]);
    return t;
  };
  const Row rows[] = {
      {"equal centres", with({{13, '0'}}), kMsgBadColours},
      {"missing edge colours", with({{7, '5'}}), kMsgBadColours},
      {"missing corner colours", with({{8, '3'}}), kMsgBadColours},
      {"twisted corner", with({{8, '1'}, {11, '2'}, {18, '0'}}), kMsgCannotSolve},
      {"flipped edge", swapped({{7, 10}}), kMsgCannotSolve},
      {"swapped edges", swapped({{7, 5}, {10, 19}}), kMsgCannotSolve},
      // Two stickers of one corner swapped: its colours run the wrong way round.
      {"mirrored corner", swapped({{11, 18}}), kMsgCannotSolve},
      {"mirrored corner elsewhere", swapped({{0, 36}}), kMsgCannotSolve},
  };
  for (const auto& row : rows) {
    for (const SolveOptions& options : {kLayers, kNoFormula}) {
      const SolveOutcome outcome = RunBeginner(row.text, options);
      EXPECT_EQ(outcome.status, Status::kRefused) << row.what;
      EXPECT_EQ(outcome.message, row.message) << row.what;
      EXPECT_TRUE(outcome.cubeTurns.empty()) << row.what;
      EXPECT_TRUE(outcome.cells.empty()) << row.what;
    }
  }
}

TEST(SolveRunner, SolvedCubeLoadsOnlyTheMarkers) {
  const Cells markers = {"??", "[1]", "[2]", "[3]", "[4]", "[5]", "[6]", "@@"};
  const SolveOutcome layers = RunBeginner(kSolved, kLayers);
  EXPECT_EQ(layers.cells, markers);
  EXPECT_EQ(layers.logTurns, Turns{"y"});  // attempt 0
  const SolveOutcome noFormula = RunBeginner(kSolved, kNoFormula);
  EXPECT_EQ(noFormula.cells, markers);
  EXPECT_TRUE(AllCubeTurns(noFormula).empty());
  // Recoloured solved cubes are uniform too and get the same result.
  const SolveOutcome turned = RunBeginner(oracle::Apply(kSolved, "z"), kNoFormula);
  EXPECT_EQ(turned.cells, markers);
  EXPECT_EQ(turned.cubeTurns, Turns{"z'"});
}

TEST(SolveRunner, NoFormulaTurnsTheUpAndDownColoursUpright) {
  struct Row {
    const char* turn;  // applied to a scrambled cube first
    Turns expected;
  };
  const Row rows[] = {{"", {}},         {"x", {"x'"}},   {"x'", {"x'"}},    {"z", {"z'"}},
                      {"z'", {"z'"}},   {"y", {"y"}},    {"x y", {"z'", "y"}}};
  std::mt19937 rng(8);
  const std::string scrambled = oracle::RandomState(rng);
  for (const auto& row : rows) {
    const std::string start = oracle::Apply(scrambled, row.turn);
    const SolveOutcome outcome = RunBeginner(start, kNoFormula);
    EXPECT_EQ(outcome.cubeTurns, row.expected) << row.turn;
    const std::string upright = oracle::Apply(start, Joined(outcome.cubeTurns));
    EXPECT_TRUE(upright[4] == '0' || upright[4] == '5') << row.turn;
    EXPECT_TRUE(upright[13] == '1' || upright[13] == '3') << row.turn;
    ExpectLoadedAndSolving(3, start, outcome);
  }
}

TEST(SolveRunner, OrdersAndInput) {
  EvenOrderCounter counter;
  for (int order : {5, 6, 7}) {
    const std::string solved = oracle::Solved(order);
    EXPECT_EQ(RunBeginner(solved, kLayers).message, kMsgHighOrder) << order;
  }
  for (int order : {6, 7}) {
    const SolveOutcome outcome = RunAdvanced(oracle::Solved(order), kLayers, counter);
    EXPECT_EQ(outcome.status, Status::kRefused);
    EXPECT_EQ(outcome.message, kMsgHighOrder);
  }
  EXPECT_EQ(RunBeginner(oracle::Solved(4), kLayers).status, Status::kNotOffered);
  EXPECT_EQ(RunBeginner("0123", kLayers).status, Status::kBadInput);
  EXPECT_EQ(RunBeginner(std::string(54, '7'), kLayers).status, Status::kBadInput);
  EXPECT_EQ(RunAdvanced("", kLayers, counter).status, Status::kBadInput);
  EXPECT_EQ(OrderOfFacelets(kSolved), 3);
  EXPECT_EQ(OrderOfFacelets(std::string(294, '0')), 7);
  EXPECT_EQ(OrderOfFacelets(std::string(55, '0')), 0);
}

TEST(SolveRunner, FourByFourColouringIsCheckedFirst) {
  std::string twisted = oracle::Solved(4);
  twisted[15] = '1';  // the UFR corner turned in place: U, F, R stickers cycled
  twisted[19] = '2';
  twisted[32] = '0';
  EvenOrderCounter counter;
  const SolveOutcome refused = RunAdvanced(twisted, kLayers, counter);
  EXPECT_EQ(refused.status, Status::kRefused);
  EXPECT_EQ(refused.message, kMsgCannotSolve);
  EXPECT_EQ(counter.Value(), 0);
  // A solved cube passes the check; the N×N solver then loads an empty solution.
  const SolveOutcome solved = RunAdvanced(oracle::Solved(4), kLayers, counter);
  if (solved.status != Status::kNotBuilt) {
    EXPECT_EQ(solved.cells, (Cells{"??", "@@"}));
    EXPECT_EQ(solved.logTurns, (Turns{"y2", "y2"}));
  }
}

// Routes through solvers built elsewhere: either they say so, or what they load solves.
TEST(SolveRunner, OtherSolversEitherAbsentOrSolving) {
  std::mt19937 rng(44);
  struct Row {
    int order;
    bool advanced;
    SolveOptions options;
  };
  const Row rows[] = {{2, false, kLayers}, {2, true, kLayers},  {3, true, kLayers},
                      {3, true, {0, 1}},   {4, true, kLayers},  {5, true, kLayers}};
  for (const auto& row : rows) {
    const std::string start =
        oracle::Apply(row.order, oracle::Solved(row.order), oracle::RandomFaceTurns(rng, 20));
    EvenOrderCounter counter;
    const SolveOutcome outcome = row.advanced ? RunAdvanced(start, row.options, counter)
                                              : RunBeginner(start, row.options);
    if (outcome.status == Status::kNotBuilt) {
      EXPECT_NE(outcome.message.find("not built"), std::string::npos);
      continue;
    }
    ExpectLoadedAndSolving(row.order, start, outcome);
    EXPECT_EQ(outcome.relabelX2, row.order % 2 == 0) << row.order;
  }
}

}  // namespace
