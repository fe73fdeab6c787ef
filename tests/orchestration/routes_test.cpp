#include <gtest/gtest.h>

#include "solvers/orchestration/OrientationTurns.h"
#include "solvers/orchestration/SolveMessages.h"
#include "solvers/orchestration/SolveRoutes.h"

namespace {

using namespace orchestration;

TEST(SolveRoutes, WhichSolverRunsByOrderAndOption) {
  struct Row {
    int order, primary, minStep;
    Route beginner, advanced;
  };
  const Row rows[] = {
      {2, 0, 0, Route::kNxNBeginner, Route::kNxNAdvanced},
      {2, 1, 1, Route::kNxNBeginner, Route::kNxNAdvanced},
      {3, 0, 0, Route::kLayered, Route::kPetrus},
      {3, 1, 0, Route::kNoFormula, Route::kPetrus},
      {3, 0, 1, Route::kLayered, Route::kNxNAdvanced},
      {3, 1, 1, Route::kNoFormula, Route::kNxNAdvanced},
      {4, 0, 0, Route::kNotOffered, Route::kCheck444ThenNxN},
      {4, 1, 1, Route::kNotOffered, Route::kCheck444ThenNxN},
      {5, 0, 0, Route::kRefuseHighOrder, Route::kNxNAdvanced},
      {5, 0, 1, Route::kRefuseHighOrder, Route::kNxNAdvanced},
      {6, 0, 0, Route::kRefuseHighOrder, Route::kRefuseHighOrder},
      {7, 1, 1, Route::kRefuseHighOrder, Route::kRefuseHighOrder},
  };
  for (const auto& row : rows) {
    const SolveOptions options{row.primary, row.minStep};
    EXPECT_EQ(BeginnerRoute(row.order, options), row.beginner) << row.order;
    EXPECT_EQ(AdvancedRoute(row.order, options), row.advanced) << row.order;
  }
}

TEST(SolveRoutes, MessagesByResultCode) {
  EXPECT_EQ(MessageForLayered(0), "");
  EXPECT_EQ(MessageForLayered(1), "魔方颜色设置有问题,请重新设置颜色!");
  EXPECT_EQ(MessageForLayered(2), "无法复原魔方！请重新设置颜色");
  struct Row {
    int result;
    const char* message;
  };
  const Row nxn[] = {{0, ""},
                     {57, ""},
                     {-1, "无法复原魔方！请重新设置颜色"},
                     {-2, "无法复原魔方！请重新设置角块颜色"},
                     {-3, "无法复原魔方！请重新设置棱块颜色"},
                     {-4, "无法复原魔方！请重新设置颜色"}};
  for (const auto& row : nxn) EXPECT_EQ(MessageForNxN(row.result), row.message) << row.result;
  EXPECT_EQ(MessageForPetrus(0, 0), "");
  EXPECT_EQ(MessageForPetrus(3, 0), "魔方颜色设置有问题,请重新设置颜色!");
  EXPECT_EQ(MessageForPetrus(0, 4), "无法复原魔方！请重新设置颜色");
  EXPECT_EQ(MessageForCheck444(0), "");
  EXPECT_EQ(MessageForCheck444(5), "无法复原魔方！请重新设置颜色");
}

TEST(SolveRoutes, ButtonEnabling) {
  const SolveButtons off{false, false, false};
  const SolveButtons on{true, true, true};
  EXPECT_EQ(ButtonsForNewOrder(2, off), (SolveButtons{true, false, false}));
  EXPECT_EQ(ButtonsForNewOrder(2, on), (SolveButtons{true, false, true}));
  EXPECT_EQ(ButtonsForNewOrder(3, off), on);
  for (int order : {4, 5, 6, 7}) {
    EXPECT_EQ(ButtonsForNewOrder(order, on), (SolveButtons{false, false, true})) << order;
    EXPECT_EQ(ButtonsForNewOrder(order, off), off) << order;
  }
  EXPECT_EQ(ButtonsDuringSlowScramble(), off);
  EXPECT_EQ(ButtonsAfterSlowScramble(3), on);
  EXPECT_EQ(ButtonsAfterSlowScramble(2), (SolveButtons{true, false, true}));
  EXPECT_EQ(ButtonsAfterSlowScramble(5), (SolveButtons{false, false, true}));
}

TEST(SolveRoutes, PausePlayback) {
  EXPECT_FALSE(PausesPlayback(Command::kBeginner));
  EXPECT_FALSE(PausesPlayback(Command::kAdvanced));
  for (Command c : {Command::kTwoPhase, Command::kTakeResult, Command::kSend, Command::kFastScramble})
    EXPECT_TRUE(PausesPlayback(c));
  EXPECT_EQ(PausePlaybackCommand("||", ">>"), 1019);
  EXPECT_EQ(PausePlaybackCommand("<<", "||"), 1020);
  EXPECT_EQ(PausePlaybackCommand("<<", ">>"), 0);
}

TEST(SolveRoutes, TwoPhaseToggle) {
  struct Row {
    int order;
    bool uniform, running, second, ready;
    TwoPhaseAction action;
  };
  const Row rows[] = {
      {5, false, false, false, false, TwoPhaseAction::kRefuseHighOrder},
      {3, true, false, false, true, TwoPhaseAction::kNothing},
      {3, true, true, false, true, TwoPhaseAction::kNothing},
      {3, false, false, false, false, TwoPhaseAction::kStart},
      {3, false, true, true, false, TwoPhaseAction::kIgnore},  // second click while tables build
      {3, false, true, true, true, TwoPhaseAction::kStop},
      {3, false, true, false, false, TwoPhaseAction::kStop},
  };
  for (const auto& r : rows)
    EXPECT_EQ(TwoPhaseToggle(r.order, r.uniform, r.running, r.second, r.ready), r.action);
}

TEST(OrientationTurns, Tables) {
  struct Row {
    int k;
    Turns turns;
  };
  const Row layered[] = {{0, {"y"}},       {1, {"y2"}},       {2, {"y'"}},       {3, {}},
                         {4, {"x", "y"}},  {11, {"x2"}},      {14, {"x'", "y'"}}, {17, {"z", "y2"}},
                         {23, {"z'"}},     {24, {}},          {-1, {}}};
  for (const auto& row : layered) EXPECT_EQ(LayeredOrientationTurns(row.k), row.turns) << row.k;

  const Row petrus[] = {{112, {"x", "y"}},         {100, {}},          {114, {"x", "y'"}}, {123, {"z'", "y2"}},
                        {132, {"x'", "y"}},  {145, {"z"}},       {152, {"z2", "y"}}, {7, {}}};
  for (const auto& row : petrus) EXPECT_EQ(PetrusOrientationTurns(row.k), row.turns) << row.k;

  const Row order3[] = {{0, {}}, {1, {"x"}}, {2, {"x2"}}, {3, {"x'"}}, {4, {"z"}}, {5, {"z'"}}, {6, {}}};
  for (const auto& row : order3) EXPECT_EQ(NxNOrientation3Turns(row.k), row.turns) << row.k;

  const Row order5[] = {{0, {}},          {1, {"y'"}},      {7, {"z'", "y"}}, {16, {"x'"}},
                        {19, {"z'", "y2"}}, {23, {"z"}},     {24, {}},          {-3, {}}};
  for (const auto& row : order5) EXPECT_EQ(NxNOrientationNTurns(row.k), row.turns) << row.k;
}

TEST(OrientationTurns, EvenOrderCounterTumblesRound) {
  EvenOrderCounter counter;
  const Turns expected[] = {{"y2", "y2"}, {"z2", "z2"}, {"x2", "x2"}, {"y2", "y2"}};
  for (const auto& turns : expected) EXPECT_EQ(counter.Next(), turns);
  EXPECT_EQ(counter.Value(), 1);
  EXPECT_EQ(TakeResultTurns(0), (Turns{"y2", "y2"}));
  EXPECT_EQ(TakeResultTurns(1), (Turns{"z2", "z2"}));
  EXPECT_EQ(TakeResultTurns(5), (Turns{"x2", "x2"}));
}

}  // namespace
