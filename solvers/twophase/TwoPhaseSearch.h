#pragma once
// One two-phase search over a fixed node stack: phase 1 brings twist, flip and
// slice to their goals with every face; phase 2 finishes with U, D and half turns
// of R, L, F, B. Both phases deepen iteratively. Every solution strictly shorter
// than SolverControl::best is shown; the search ends when no shorter solution is
// reachable (2) or when stop is set (5). Nothing is allocated per node.
#include <array>
#include <cstdint>

#include "solvers/twophase/CKube.h"
#include "solvers/twophase/KubeLayout.h"
#include "solvers/twophase/SolverControl.h"
#include "solvers/twophase/TwoPhaseTables.h"

namespace twophase {

enum SearchResult : int { kContinue = 0, kNoShorter = 2, kStopped = 5 };

struct SearchNode {
  std::uint16_t twist = 0, flip = 0, slice = 0;
  std::uint16_t cornerPerm = 0, udEdgePerm = 0, slicePerm = 0;
  std::uint8_t face = kNoMove;   // move face of the move that led here
  std::uint8_t count = kNoMove;  // its quarter turns, 1..3
};

class TwoPhaseSearch {
 public:
  // inverse: the cube is the inverse of the position to show solutions for.
  TwoPhaseSearch(const TwoPhaseTables& tables, SolverControl& control, const CKube& cube,
                 bool startSecondSearch, bool inverse);
  int Run();

 private:
  static constexpr int kRoot = 1;  // node 0 is a sentinel, node k + 1 holds the k-th move

  int ExpandPhase1(int n);
  int RunPhase2(int start);
  int ExpandPhase2(int n);
  int Report(int n);
  void StartSecondSearch(int n);
  int H1(const SearchNode& node) const;
  int H2(const SearchNode& node) const;

  const TwoPhaseTables& tables_;
  SolverControl& control_;
  bool startSecondSearch_;
  CKube scratch_;
  std::array<SearchNode, kMaxMoves + 2> nodes_{};
  int phase2Start_ = kRoot;
  const CKube& cube_;
  bool inverse_;
  std::array<std::uint8_t, kMaxMoves> lastReported_{};
  int lastReportedLength_ = -1;
  std::uint8_t phase1Bound_ = 0, phase2Bound_ = 0, phase1Min_ = 0, phase2Min_ = 0;
};

// Runs a search on a thread of its own; used for the inverse position.
void RunSecondSearch(const TwoPhaseTables& tables, SolverControl& control, CKube inverseCube);

}  // namespace twophase
