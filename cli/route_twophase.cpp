// rovan-cli solve twophase: the two-phase search ("仙人解法") on a 3×3×3 cube.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include "cli/CliArgs.h"
#include "cli/SolveOutcomeOutput.h"
#include "cli/SolveRoute.h"
#include "input/Conversions.h"
#include "solvers/twophase/TwoPhaseController.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace cli {

namespace {

using Clock = std::chrono::steady_clock;

// Prints each strictly shorter solution as it is shown.
class PrintingWindow : public twophase::OutputWindow {
 public:
  explicit PrintingWindow(Clock::time_point start) : start_(start) {}
  void SetText(const std::string&) override {}
  void OnSolution(const std::string& moves, int length) override {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
    std::lock_guard<std::mutex> guard(mutex_);
    std::cout << "improved: " << ms << " " << length << (moves.empty() ? "" : " ") << moves << std::endl;
    best_ = moves;
  }
  std::optional<std::string> Best() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return best_;
  }

 private:
  Clock::time_point start_;
  mutable std::mutex mutex_;
  std::optional<std::string> best_;
};

// Calls RequestStop after the given time unless Done comes first.
class StopTimer {
 public:
  explicit StopTimer(int seconds)
      : thread_([this, seconds] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!cv_.wait_for(lock, std::chrono::seconds(seconds), [this] { return done_; })) twophase::RequestStop();
        }) {}
  ~StopTimer() {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      done_ = true;
    }
    cv_.notify_all();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool done_ = false;
  std::thread thread_;
};

std::string ExecutableDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

int RunTwoPhase(const Args& arguments) {
  Args args = arguments;
  std::optional<std::string> secondsText, tablesPath;
  if (!TakeOption(args, "--seconds", secondsText) || !TakeOption(args, "--tables", tablesPath)) return kExitBadInput;
  int seconds = 10;
  if (secondsText && !ParseInt(*secondsText, 1, 86400, "--seconds", seconds)) return kExitBadInput;
  if (args.size() != 1) {
    PrintError("solve twophase needs exactly one FACELETS argument");
    return kExitBadInput;
  }
  if (!CheckFacelets(args[0], 3)) return kExitBadInput;
  if (const auto direct = DirectMovesText(args[0], orchestration::RouteNotation::kFaceTurns)) {
    // As short as any solution the search could prove, so it is the only one shown.
    const auto turns = twophase::ResultTurns(std::random_device{}());
    const size_t length = direct->empty() ? 0 : std::count(direct->begin(), direct->end(), ' ') + 1;
    std::cout << "improved: 0 " << length << " " << *direct << "\n"
              << "turns: " << turns[0] << " " << turns[1] << "\n"
              << "moves: " << *direct << "\n";
    return kExitOk;
  }

  const std::vector<std::string> tableFiles =
      tablesPath ? std::vector<std::string>{*tablesPath} : twophase::TableFileCandidates(ExecutableDir());
  // Tables first, so that the time limit is the search's alone.
  twophase::PrepareTables(tableFiles, nullptr);

  const auto start = Clock::now();
  PrintingWindow window(start);
  bool accepted = false;
  {
    StopTimer timer(seconds);
    accepted = twophase::Solve(input::ToLabelledFaces(args[0]), &window, tableFiles);
  }
  if (!accepted) {
    PrintError("the colours do not make a solvable cube");
    return kExitBadInput;
  }
  const auto best = window.Best();
  if (!best) {
    PrintError("stopped before the first solution");
    return kExitFailure;
  }
  const auto turns = twophase::ResultTurns(std::random_device{}());
  std::cout << "turns: " << turns[0] << " " << turns[1] << "\n";
  std::cout << "moves: " << *best << "\n";
  return kExitOk;
}

SolveRouteRegistrar registrar({"twophase",
                               "rovan-cli solve twophase [--seconds S] [--tables FILE] FACELETS\n"
                               "    two-phase search (仙人解法) for 3×3×3: prints \"improved: <ms> <length> <moves>\" for\n"
                               "    every shorter solution, stops when none shorter is reachable or after S seconds\n"
                               "    of search (default 10). Table file: FILE, else RVTomsel.pro beside rovan-cli,\n"
                               "    else in $XDG_CACHE_HOME/rovan (~/.cache/rovan).",
                               RunTwoPhase});

}  // namespace

}  // namespace cli
