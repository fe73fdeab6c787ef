// The solving form's view of the two-phase solver: runs on worker threads,
// never blocks the caller. Also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "FaceletModel.h"
#include "SharedTables.h"
#include "solvers/twophase/TwoPhaseController.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace {

using namespace twophase;
using twophase_test::kSolvedNet;
using twophase_test::Turned;

// Polls until the run has ended; a generous limit turns a hang into a failure.
TwoPhaseController::State WaitUntilEnded(const TwoPhaseController& controller) {
  for (int i = 0; i < 12000; ++i) {
    auto state = controller.Snapshot();
    if (!state.running) return state;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ADD_FAILURE() << "the run did not end";
  return controller.Snapshot();
}

std::string Joined(const std::vector<std::string>& moves) {
  std::string text;
  for (const auto& m : moves) text += (text.empty() ? "" : " ") + m;
  return text;
}

TEST(TwoPhaseController, RunsToTheEndAndKeepsTheBestSolution) {
  twophase_test::ReadyTables();
  TwoPhaseController controller(twophase_test::TestTableFiles());
  std::atomic<int> changes{0};
  controller.SetOnChange([&] { ++changes; });
  const std::string net = Turned(kSolvedNet, "R U F' L2 D");
  controller.Start(net);
  const auto state = WaitUntilEnded(controller);
  EXPECT_FALSE(state.rejected);
  ASSERT_TRUE(state.hasSolution);
  EXPECT_LE(state.bestMoves.size(), 5u);
  EXPECT_TRUE(twophase_test::IsSolvedNet(Turned(net, Joined(state.bestMoves))));
  EXPECT_EQ(state.text, Joined(state.bestMoves));
  EXPECT_GT(changes.load(), 0);
  EXPECT_GT(state.revision, 0u);
}

TEST(TwoPhaseController, StopEndsTheSearches) {
  twophase_test::ReadyTables();
  TwoPhaseController controller(twophase_test::TestTableFiles());
  std::mt19937 rng(8);
  const std::string net = Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 30));
  controller.Start(net);
  for (int i = 0; i < 12000 && !controller.Snapshot().hasSolution; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  controller.Stop();
  const auto state = WaitUntilEnded(controller);
  EXPECT_FALSE(controller.IsSecondSearchRunning());
  ASSERT_TRUE(state.hasSolution);
  EXPECT_TRUE(twophase_test::IsSolvedNet(Turned(net, Joined(state.bestMoves))));
}

// A stop right after the start, and a start while a run is still going, are
// never lost: each run ends, and the last start's cube is the one solved.
TEST(TwoPhaseController, QuickStopsAndRestarts) {
  twophase_test::ReadyTables();
  TwoPhaseController controller(twophase_test::TestTableFiles());
  std::mt19937 rng(9);
  controller.Start(Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 30)));
  controller.Stop();
  EXPECT_FALSE(WaitUntilEnded(controller).running);

  controller.Start(Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 30)));
  const std::string last = Turned(kSolvedNet, "F2 U' R");
  controller.Start(last);
  const auto state = WaitUntilEnded(controller);
  ASSERT_TRUE(state.hasSolution);
  EXPECT_TRUE(twophase_test::IsSolvedNet(Turned(last, Joined(state.bestMoves))));
}

TEST(TwoPhaseController, RefusedAndSolvedCubes) {
  twophase_test::ReadyTables();
  TwoPhaseController controller(twophase_test::TestTableFiles());
  std::string flipped = kSolvedNet;
  flipped[7] = '1';
  flipped[10] = '0';
  for (const std::string& net : {flipped, std::string("0123")}) {
    controller.Start(net);
    const auto state = WaitUntilEnded(controller);
    EXPECT_TRUE(state.rejected) << net;
    EXPECT_EQ(state.text, kColourErrorText);
    EXPECT_FALSE(state.hasSolution);
  }
  controller.Start(kSolvedNet);
  const auto state = WaitUntilEnded(controller);
  EXPECT_TRUE(state.hasSolution);
  EXPECT_TRUE(state.bestMoves.empty());
  EXPECT_EQ(state.text, kAlreadySolvedText);
}

// The form shows a state whenever its revision differs from the one shown last.
// Two short runs of the same cube end after the same number of changes; the
// second must still carry a revision the first never had.
TEST(TwoPhaseController, EveryRunHasRevisionsOfItsOwn) {
  twophase_test::ReadyTables();
  TwoPhaseController controller(twophase_test::TestTableFiles());
  const std::string first = Turned(kSolvedNet, "R U");
  const std::string second = Turned(kSolvedNet, "F D");
  controller.Start(first);
  const auto one = WaitUntilEnded(controller);
  controller.Start(second);
  const auto two = WaitUntilEnded(controller);
  EXPECT_GT(two.revision, one.revision);
  EXPECT_EQ(two.text, Joined(two.bestMoves));
  EXPECT_TRUE(twophase_test::IsSolvedNet(Turned(second, two.text)));
}

TEST(TwoPhaseController, DestroyedWhileSearching) {
  twophase_test::ReadyTables();
  std::mt19937 rng(10);
  {
    TwoPhaseController controller(twophase_test::TestTableFiles());
    controller.Start(Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 30)));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_FALSE(IsSecondSearchRunning());
}

TEST(ResultTurns, AHalfTurnTwice) {
  EXPECT_STREQ(ResultTurns(0)[0], "y2");
  EXPECT_STREQ(ResultTurns(0)[1], "y2");
  EXPECT_STREQ(ResultTurns(4)[0], "z2");
  EXPECT_STREQ(ResultTurns(5)[1], "x2");
  for (unsigned r = 0; r < 3; ++r) {
    const std::string pair = std::string(ResultTurns(r)[0]) + " " + ResultTurns(r)[1];
    EXPECT_EQ(Turned(Turned(kSolvedNet, "R U"), pair), Turned(kSolvedNet, "R U"));
  }
}

}  // namespace
