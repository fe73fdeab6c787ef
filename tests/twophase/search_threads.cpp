// Solve runs a second search on another thread on machines with two or more
// processors, so these tests also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <thread>

#include "FaceletModel.h"
#include "Recorder.h"
#include "SharedTables.h"
#include "input/Conversions.h"
#include "solvers/twophase/SolverControl.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace {

using namespace twophase;
using twophase_test::kSolvedNet;
using twophase_test::Recorder;
using twophase_test::Turned;

// Stops a solve that is still running after a generous while, so that a fault
// fails the test instead of hanging it. Never used to judge speed.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit)
      : thread_([this, limit] {
          std::unique_lock<std::mutex> lock(m_);
          if (!cv_.wait_for(lock, limit, [this] { return done_; })) RequestStop();
        }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> guard(m_);
      done_ = true;
    }
    cv_.notify_all();
    thread_.join();
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  bool done_ = false;
  std::thread thread_;
};

bool SolveNet(const std::string& net, Recorder& recorder) {
  twophase_test::ReadyTables();
  Watchdog watchdog(std::chrono::seconds(60));
  return Solve(input::ToLabelledFaces(net), &recorder, twophase_test::TestTableFiles());
}

// Every shown solution solves the cube and is strictly shorter than the one before.
void ExpectSolutionsSolve(const std::string& net, const Recorder& recorder) {
  const auto solutions = recorder.Solutions();
  ASSERT_FALSE(solutions.empty());
  int previous = 99;
  for (const auto& [moves, length] : solutions) {
    EXPECT_TRUE(twophase_test::IsSolvedNet(Turned(net, moves))) << moves;
    EXPECT_LT(length, previous) << moves;
    previous = length;
  }
  // The last text shown is the best solution, in the window's own format.
  const auto texts = recorder.Texts();
  std::string last;
  for (char c : texts.back()) {
    if (c == '\n') last += ' ';
    else if (c != '\r') last += c;
  }
  EXPECT_EQ(last, solutions.back().first);
}

TEST(Solve, OneTurnFromSolvedEndsWithItsInverse) {
  Recorder recorder;
  const std::string net = Turned(kSolvedNet, "R");
  EXPECT_TRUE(SolveNet(net, recorder));
  EXPECT_EQ(recorder.Texts().back(), "R'");
  ExpectSolutionsSolve(net, recorder);
  EXPECT_FALSE(IsSecondSearchRunning());
}

TEST(Solve, SolvedCube) {
  Recorder recorder;
  EXPECT_TRUE(SolveNet(kSolvedNet, recorder));
  EXPECT_EQ(recorder.Texts(), std::vector<std::string>{kAlreadySolvedText});
}

TEST(Solve, InvalidColoursAreRefused) {
  Recorder recorder;
  std::string net = Turned(kSolvedNet, "F U");
  const char keep = net.at(7);  // one edge flipped
  net.at(7) = net.at(10);
  net.at(10) = keep;
  EXPECT_FALSE(SolveNet(net, recorder));
  EXPECT_EQ(recorder.Texts(), std::vector<std::string>{kColourErrorText});
  EXPECT_TRUE(recorder.Solutions().empty());
}

// Short scrambles: the search proves its last solution and ends by itself,
// no longer than the scramble.
TEST(Solve, ShortScramblesEndWithNoLongerSolution) {
  std::mt19937 rng(21);
  for (int n : {3, 5, 7}) {
    Recorder recorder;
    const std::string net = Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, n));
    EXPECT_TRUE(SolveNet(net, recorder));
    ExpectSolutionsSolve(net, recorder);
    ASSERT_FALSE(recorder.Solutions().empty());
    EXPECT_LE(recorder.Solutions().back().second, n);
  }
}

// Random cubes: stopped once a solution of 21 moves or fewer is shown.
TEST(Solve, RandomCubesGiveEverShorterSolutions) {
  std::mt19937 rng(1234);
  for (int trial = 0; trial < 3; ++trial) {
    Recorder recorder;
    recorder.onSolution = [](const std::string&, int length) {
      if (length <= 21) RequestStop();
    };
    const std::string net = Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 30));
    EXPECT_TRUE(SolveNet(net, recorder));
    ExpectSolutionsSolve(net, recorder);
    EXPECT_FALSE(IsSecondSearchRunning());
  }
}

TEST(Solve, StopEndsBothSearches) {
  twophase_test::ReadyTables();
  if (!Control().multiProcessor.load()) GTEST_SKIP() << "one processor: no second search";
  Recorder recorder;
  std::atomic<int> shown{0};
  recorder.onSolution = [&](const std::string&, int) { ++shown; };
  std::mt19937 rng(99);
  const std::string net = Turned(kSolvedNet, twophase_test::RandomFaceTurns(rng, 30));
  std::atomic<bool> result{false};
  std::thread solver([&] { result = SolveNet(net, recorder); });
  // The second search starts with the first solution.
  bool sawSecond = false;
  for (int i = 0; i < 6000 && !sawSecond; ++i) {
    sawSecond = IsSecondSearchRunning();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  RequestStop();
  solver.join();
  EXPECT_TRUE(sawSecond);
  EXPECT_TRUE(result.load());
  EXPECT_FALSE(IsSecondSearchRunning());
  ExpectSolutionsSolve(net, recorder);
}

// A position that is its own inverse never starts a second search, and neither
// does a one-processor machine.
TEST(Solve, NoSecondSearchForSelfInverseOrOneProcessor) {
  twophase_test::ReadyTables();
  const bool multi = Control().multiProcessor.load();
  struct Case {
    const char* scramble;
    bool multiProcessor;
  };
  for (const Case& c : {Case{"R2 L2 U2", true}, Case{"R U F", false}}) {
    Control().multiProcessor.store(c.multiProcessor);
    Recorder recorder;
    std::atomic<bool> sawSecond{false};
    recorder.onSolution = [&](const std::string&, int) { sawSecond = sawSecond || IsSecondSearchRunning(); };
    const std::string net = Turned(kSolvedNet, c.scramble);
    EXPECT_TRUE(SolveNet(net, recorder));
    EXPECT_FALSE(sawSecond.load()) << c.scramble;
    ExpectSolutionsSolve(net, recorder);
  }
  Control().multiProcessor.store(multi);
}

}  // namespace
