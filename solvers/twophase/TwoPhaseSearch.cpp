#include "solvers/twophase/TwoPhaseSearch.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "solvers/twophase/MoveCodes.h"

namespace twophase {

namespace {
constexpr std::uint8_t kNoBound = 255;

// Never the same face twice in a row, and of two opposite faces the even one
// (R, U, F) never directly after the odd one (L, D, B).
bool MoveAllowed(int face, std::uint8_t previous) {
  if (face == previous) return false;
  return !((face & 1) == 0 && previous == (face ^ 1));
}

std::uint8_t Relaxed(const std::atomic<std::uint8_t>& v) { return v.load(std::memory_order_relaxed); }
}  // namespace

TwoPhaseSearch::TwoPhaseSearch(const TwoPhaseTables& tables, SolverControl& control, const CKube& cube,
                               bool startSecondSearch, bool inverse)
    : tables_(tables), control_(control), startSecondSearch_(startSecondSearch), cube_(cube), inverse_(inverse) {}

int TwoPhaseSearch::H1(const SearchNode& n) const {
  return std::max({tables_.pruneA.Lookup(n.twist, n.flip), tables_.pruneB.Lookup(n.twist, n.slice),
                   tables_.pruneC.Lookup(n.flip, n.slice)});
}

int TwoPhaseSearch::H2(const SearchNode& n) const {
  return std::max(tables_.pruneD.Lookup(n.cornerPerm, n.slicePerm),
                  tables_.pruneE.Lookup(n.udEdgePerm, n.slicePerm));
}

int TwoPhaseSearch::Run() {
  SearchNode& root = nodes_[kRoot];
  root = SearchNode{};
  root.twist = cube_.Twist();
  root.flip = cube_.Flip();
  root.slice = cube_.Slice();
  root.cornerPerm = cube_.CornerPermutationCoord();
  root.udEdgePerm = cube_.UDEdgePermutationCoord();
  root.slicePerm = cube_.SliceEdgePermutationCoord();
  if (H1(root) + H2(root) == 0) {
    std::lock_guard<std::mutex> guard(control_.lock);
    if (control_.outputWindow) {
      control_.outputWindow->ShowSolution("魔方已经复原", "", 0);
    }
    return kNoShorter;
  }
  phase1Bound_ = static_cast<std::uint8_t>(H1(root));
  int r = kContinue;
  do {
    phase1Min_ = kNoBound;
    r = ExpandPhase1(kRoot);
    phase1Bound_ = phase1Min_;
  } while (r == kContinue);
  return r;
}

// A phase-1 path whose last move is a phase-2 move (U, D, or a half turn) ends
// in the phase-2 group one move earlier too, and phase 2 from there already
// tried that move: running phase 2 again can find nothing shorter.
bool TwoPhaseSearch::WorthPhase2(int n) const {
  const SearchNode& node = nodes_[n];
  if (n == kRoot) return true;
  return !IsQuarterTurnFaceInPhase2(node.face) && node.count != 2;
}

int TwoPhaseSearch::ExpandPhase1(int n) {
  const SearchNode& node = nodes_[n];
  const int h = H1(node);
  const int depth = n - kRoot;
  // Phase 2 once per phase-1 solution: in the pass whose bound equals its length
  // (the heuristic is consistent, so every pass before has a smaller bound).
  // Later passes only have a lower best and could find nothing new.
  if (h == 0 && depth == phase1Bound_ && WorthPhase2(n)) RunPhase2(n);
  if (control_.stop.load(std::memory_order_relaxed)) return kStopped;
  const int f = h + depth;
  if (f > phase1Bound_) {
    if (f < phase1Min_) phase1Min_ = static_cast<std::uint8_t>(f);
    return kContinue;
  }
  // A child of a node at kMaxMoves could never be shown: best is at most kMaxMoves + 1.
  if (depth >= Relaxed(control_.best) || depth >= kMaxMoves) return kNoShorter;
  SearchNode& child = nodes_[n + 1];
  for (int face = 0; face < kMoveFaceCount; ++face) {
    if (!MoveAllowed(face, node.face)) continue;
    child.face = static_cast<std::uint8_t>(face);
    child.twist = node.twist;
    child.flip = node.flip;
    child.slice = node.slice;
    for (int count = 1; count <= 3; ++count) {
      child.count = static_cast<std::uint8_t>(count);
      child.twist = tables_.twist.Next(child.twist, face);
      child.flip = tables_.flip.Next(child.flip, face);
      child.slice = tables_.slice.Next(child.slice, face);
      if (int r = ExpandPhase1(n + 1)) return r;
    }
  }
  return kContinue;
}

int TwoPhaseSearch::RunPhase2(int start) {
  CKube cube = cube_;
  for (int k = kRoot + 1; k <= start; ++k) cube.Move(nodes_[k].face, nodes_[k].count);
  SearchNode& s = nodes_[start];
  s.cornerPerm = cube.CornerPermutationCoord();
  s.udEdgePerm = cube.UDEdgePermutationCoord();
  s.slicePerm = cube.SliceEdgePermutationCoord();
  phase2Start_ = start;
  phase2Bound_ = static_cast<std::uint8_t>(H2(s));
  int r = kContinue;
  do {
    phase2Min_ = kNoBound;
    r = ExpandPhase2(start);
    phase2Bound_ = phase2Min_;
  } while (r == kContinue);
  return r == kNoShorter ? kContinue : r;
}

int TwoPhaseSearch::ExpandPhase2(int n) {
  const SearchNode& node = nodes_[n];
  const int h = H2(node);
  if (h == 0) {
    const int r = Report(n);
    if (r == kContinue && startSecondSearch_) StartSecondSearch(n);
    return r;
  }
  if (control_.stop.load(std::memory_order_relaxed)) return kStopped;
  const int m = n - phase2Start_ + h;
  if (m > phase2Bound_) {
    if (m < phase2Min_) phase2Min_ = static_cast<std::uint8_t>(m);
    return kContinue;
  }
  const int depth = n - kRoot;
  if (depth + 1 >= Relaxed(control_.best)) return kNoShorter;
  SearchNode& child = nodes_[n + 1];
  for (int face = 0; face < kMoveFaceCount; ++face) {
    if (!MoveAllowed(face, node.face)) continue;
    child.face = static_cast<std::uint8_t>(face);
    child.cornerPerm = node.cornerPerm;
    child.udEdgePerm = node.udEdgePerm;
    child.slicePerm = node.slicePerm;
    // The phase-2 tables hold quarter turns for U and D, half turns for the rest.
    const bool quarter = IsQuarterTurnFaceInPhase2(face);
    for (int count = quarter ? 1 : 2; count <= (quarter ? 3 : 2); ++count) {
      child.count = static_cast<std::uint8_t>(count);
      child.cornerPerm = tables_.cornerPerm.Next(child.cornerPerm, face);
      child.udEdgePerm = tables_.udEdgePerm.Next(child.udEdgePerm, face);
      child.slicePerm = tables_.slicePerm.Next(child.slicePerm, face);
      if (int r = ExpandPhase2(n + 1)) return r;
    }
  }
  return kContinue;
}

int TwoPhaseSearch::Report(int n) {
  const int length = n - kRoot;
  std::array<std::uint8_t, kMaxMoves> codes{};
  for (int k = kRoot + 1; k <= n; ++k) codes[k - kRoot - 1] = MoveCode(nodes_[k].face, nodes_[k].count);
  if (inverse_) {
    std::reverse(codes.begin(), codes.begin() + length);
    for (int i = 0; i < length; ++i) codes[i] = InverseMoveCode(codes[i]);
  }
  if (length == lastReportedLength_ && std::equal(codes.begin(), codes.begin() + length, lastReported_.begin())) {
    return kNoShorter;
  }
  lastReported_ = codes;
  lastReportedLength_ = length;

  const std::string text = FormatSolution(codes.data(), length);
  std::lock_guard<std::mutex> guard(control_.lock);
  if (length < Relaxed(control_.best)) {
    if (control_.outputWindow) {
      control_.outputWindow->ShowSolution(text, JoinMoves(codes.data(), length), length);
    }
    control_.best.store(static_cast<std::uint8_t>(length), std::memory_order_relaxed);
  }
  return kContinue;
}

void TwoPhaseSearch::StartSecondSearch(int n) {
  startSecondSearch_ = false;
  scratch_ = CKube();
  // The solution applied to a solved cube gives the inverse of the position.
  for (int k = kRoot + 1; k <= n; ++k) scratch_.Move(nodes_[k].face, nodes_[k].count);
  if (scratch_ == cube_ || control_.secondSearch.joinable()) return;
  control_.secondSearchRunning.store(true);
  try {
    control_.secondSearch = std::thread(RunSecondSearch, std::cref(tables_), std::ref(control_), scratch_);
  } catch (const std::system_error&) {
    control_.secondSearchRunning.store(false);  // no thread to spare: search alone
  }
}

void RunSecondSearch(const TwoPhaseTables& tables, SolverControl& control, CKube inverseCube) {
  TwoPhaseSearch search(tables, control, inverseCube, false, true);
  search.Run();
  control.secondSearchRunning.store(false);
}

}  // namespace twophase
