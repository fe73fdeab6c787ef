#pragma once
// What the solving form needs of the two-phase solver, without ever blocking
// its thread: Start runs table loading or building and the search on worker
// threads; the form polls Snapshot (or is told through the change callback,
// which runs on a worker thread: forward it to the UI thread) and calls Stop.
// One controller per program; its destructor stops and joins every thread.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace twophase {

// The whole-cube turns made after a result is taken: the same half turn twice
// (r % 3: 0 "y2", 1 "z2", 2 "x2"), which leaves the cube's orientation as it was.
std::array<const char*, 2> ResultTurns(unsigned random);

class TwoPhaseController {
 public:
  struct State {
    std::string text;                    // the output box: progress, message or best solution
    std::vector<std::string> bestMoves;  // the shortest solution shown so far, one move each
    bool hasSolution = false;            // bestMoves is a solution (empty when already solved)
    bool running = false;                // a solve is under way (tables or search)
    bool rejected = false;               // the colours were refused
    std::uint64_t revision = 0;          // grows with every change, across runs
  };

  explicit TwoPhaseController(std::vector<std::string> tableFiles);
  ~TwoPhaseController();
  TwoPhaseController(const TwoPhaseController&) = delete;
  TwoPhaseController& operator=(const TwoPhaseController&) = delete;

  void SetOnChange(std::function<void()> callback);  // set before the first Start

  // netString: the 54-character facelet text of a 3×3×3 cube. Stops a search
  // still running; the new one begins when the old one has ended.
  void Start(const std::string& netString);
  void Stop();  // returns at once; the search ends at its next node
  State Snapshot() const;

  bool IsSecondSearchRunning() const;
  bool TablesReady() const;

 private:
  class Box;
  struct Run;

  std::vector<std::string> tableFiles_;
  std::function<void()> onChange_;
  std::shared_ptr<std::atomic<std::uint64_t>> revisions_ = std::make_shared<std::atomic<std::uint64_t>>(0);
  mutable std::mutex mutex_;  // guards current_ and the start of a run
  std::shared_ptr<Run> current_;
  std::thread worker_;  // the latest run's thread; it joins the one before
};

}  // namespace twophase
