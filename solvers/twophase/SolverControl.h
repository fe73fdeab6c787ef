#pragma once
// The state shared by the threads of the two-phase solver: the thread that runs
// Solve (first search), at most one second search, and the caller's thread
// (RequestStop, IsSecondSearchRunning, TablesReady). One instance per process.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "solvers/twophase/OutputWindow.h"

namespace twophase {

constexpr std::uint8_t kNoSolutionYet = 25;  // best before the first solution
constexpr int kMaxMoves = 24;                // longest solution the node stack holds

struct SolverControl {
  std::atomic<bool> stop{false};           // polled at every search node
  std::atomic<bool> tablesReady{false};
  std::atomic<bool> multiProcessor{false}; // two or more processors: search the inverse too
  std::atomic<bool> secondSearchRunning{false};
  std::atomic<std::uint8_t> best{kNoSolutionYet};  // length of the shown solution; only lowered
  std::atomic<bool> abandonTableBuild{false};      // set when the program closes mid-build

  // Guards outputWindow, and lowering best together with the text it stands for.
  std::mutex lock;
  OutputWindow* outputWindow = nullptr;

  // Started by the first search, joined by the thread that runs Solve before it returns.
  std::thread secondSearch;

  void Show(const std::string& text);  // to the output window, if any
};

SolverControl& Control();

}  // namespace twophase
