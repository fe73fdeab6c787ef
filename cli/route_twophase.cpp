// rovan-cli solve twophase: the two-phase search ("仙人解法") on a 3×3×3 cube.
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include "cli/CliArgs.h"
#include "cli/SolveOutcomeOutput.h"
#include "cli/SolveRoute.h"
#include "model/SolutionCheck.h"
#include "input/Conversions.h"
#include "solvers/orchestration/LogCells.h"
#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseController.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace cli {

namespace {

using Clock = std::chrono::steady_clock;

// Prints each strictly shorter solution as it is shown, once it is checked.
class PrintingWindow : public twophase::OutputWindow {
 public:
  PrintingWindow(Clock::time_point start, std::string facelets) : start_(start), facelets_(std::move(facelets)) {}
  void SetText(const std::string&) override {}
  void OnSolution(const std::string& moves, int length) override {
    if (!model::SolvesCube(facelets_, {}, orchestration::SplitSolution(moves))) return;
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
  std::string facelets_;
  mutable std::mutex mutex_;
  std::optional<std::string> best_;
};

// Calls RequestStop after the given time unless Done comes first.
class StopTimer {
 public:
  explicit StopTimer(double seconds)
      : thread_([this, seconds] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!cv_.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return done_; }))
            twophase::RequestStop();
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

constexpr const char* kSolvedText = "魔方已经复原";

// A time budget in seconds: a decimal number above 0 and at most a day.
bool ParseSeconds(const std::string& text, double& seconds) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !(value > 0) || value > 86400) {
    PrintError("--seconds must be a number of seconds above 0 and at most 86400, not \"" + text + "\"");
    return false;
  }
  seconds = value;
  return true;
}

// A file given with --tables is read, and written when it is missing or not
// valid: refuse any path where that would destroy something else.
bool TableFileMayBeUsed(const std::string& path) {
  switch (twophase::InspectTableFilePlace(path)) {
    case twophase::TableFilePlace::kFree:
    case twophase::TableFilePlace::kTableFile:
      return true;
    case twophase::TableFilePlace::kOtherFile:
      PrintError(path + ": not a table file of this program; it is left as it is (give a new file name)");
      return false;
    case twophase::TableFilePlace::kNotRegular:
      PrintError(path + ": not a regular file; give a file name for the table file");
      return false;
  }
  return false;
}

// The solved cube's message, or the result turns and the moves.
int PrintResult(const std::string& facelets, const std::vector<std::string>& moves) {
  if (moves.empty()) {
    std::cout << kSolvedText << "\n";
    return PrintCheckedSolution(facelets, {}, {});
  }
  const auto turns = twophase::ResultTurns(std::random_device{}());
  return PrintCheckedSolution(facelets, {turns[0], turns[1]}, moves);
}

int RunTwoPhase(const Args& arguments) {
  Args args = arguments;
  std::optional<std::string> secondsText, tablesPath;
  if (!TakeOption(args, "--seconds", secondsText) || !TakeOption(args, "--tables", tablesPath)) return kExitBadInput;
  double seconds = 10;
  if (secondsText && !ParseSeconds(*secondsText, seconds)) return kExitBadInput;
  if (args.size() != 1) {
    PrintError("solve twophase needs exactly one FACELETS argument");
    return kExitBadInput;
  }
  std::string facelets = args[0];
  if (!CheckFacelets(facelets, 3)) return kExitBadInput;
  if (const auto direct = orchestration::DirectSolution(facelets, orchestration::RouteNotation::kFaceTurns)) {
    // As short as any solution the search could prove, so it is the only one shown.
    std::string text;
    for (const auto& move : *direct) text += " " + move;
    std::cout << "improved: 0 " << direct->size() << text << "\n";
    return PrintResult(facelets, *direct);
  }

  if (tablesPath && !TableFileMayBeUsed(*tablesPath)) return kExitBadInput;
  const std::vector<std::string> tableFiles =
      tablesPath ? std::vector<std::string>{*tablesPath} : twophase::TableFileCandidates(ExecutableDir());
  // Tables first, so that the time limit is the search's alone.
  twophase::PrepareTables(tableFiles, nullptr);

  const auto start = Clock::now();
  PrintingWindow window(start, facelets);
  bool accepted = false;
  {
    StopTimer timer(seconds);
    accepted = twophase::Solve(input::ToLabelledFaces(facelets), &window, tableFiles);
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
  return PrintResult(facelets, orchestration::SplitSolution(*best));
}

SolveRouteRegistrar registrar({"twophase",
                               "rovan-cli solve twophase [--seconds S] [--tables FILE] FACELETS\n"
                               "    two-phase search (仙人解法) for 3×3×3: prints \"improved: <ms> <length> <moves>\" for\n"
                               "    every shorter solution, stops when none shorter is reachable or after S seconds\n"
                               "    of search (default 10). Table file: FILE, else RVTomsel.pro beside rovan-cli,\n"
                               "    else in $XDG_CACHE_HOME/rovan (~/.cache/rovan). FILE must be missing (it is\n"
                               "    then written) or a table file; any other file is refused and left alone.",
                               RunTwoPhase});

}  // namespace

}  // namespace cli
