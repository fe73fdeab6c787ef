#include "solvers/noformula/NoFormulaSolver.h"

#include <array>
#include <initializer_list>

#include "solvers/noformula/MoveText.h"
#include "solvers/noformula/PieceState.h"
#include "solvers/noformula/TrialLists.h"

namespace noformula {

namespace {

constexpr int kU1 = 0, kU3 = 2, kD1 = 3, kD2 = 4, kD3 = 5;
constexpr int kY1 = kWholeY, kY3 = kWholeY + 2, kZ1 = kWholeZ, kZ2 = kWholeZ + 1;
// Loops that wait for a piece to come round end after this many turns; a real
// cube never needs that many, and a state no real cube has must still end.
constexpr int kMaxWaits = 8;
constexpr int kMaxCornerRounds = 40;

// The recording: a move list with a committed prefix and the state it led to.
class Recorder {
 public:
  explicit Recorder(PieceState start) : state_(std::move(start)), saved_(state_) {}

  void Record(int code) {
    state_.Apply(code);
    codes_.push_back(code);
  }
  void Record(const MoveList& codes) {
    for (int code : codes) Record(code);
  }
  void Commit() {
    saved_ = state_;
    committed_ = codes_.size();
  }
  void Restore() {
    state_ = saved_;
    codes_.resize(committed_);
  }
  void RecordCommit(int code) {
    Record(code);
    Commit();
  }
  void RecordCommit(const MoveList& codes) {
    Record(codes);
    Commit();
  }

  char At(int sticker) const { return state_.stickers[sticker]; }
  // Each sticker holds its solved letter.
  bool Home(std::initializer_list<int> stickers) const {
    for (int s : stickers)
      if (state_.stickers[s] != kSolvedState[s]) return false;
    return true;
  }
  // The piece whose solved stickers are a, b, c sits there, in any twist.
  bool Present(int a, int b, int c) const {
    for (int s : {a, b, c}) {
      const char letter = state_.stickers[s];
      if (letter != kSolvedState[a] && letter != kSolvedState[b] && letter != kSolvedState[c])
        return false;
    }
    return true;
  }
  const MoveList& Codes() const { return codes_; }

 private:
  PieceState state_;
  PieceState saved_;
  MoveList codes_;
  size_t committed_ = 0;
};

// Steps 1–3: the UF edges, the UFR corners (one slot left free), the FR edges.
void PlaceByTrials(Recorder& r) {
  struct Pass {
    std::array<int, 3> target;  // the third equals the first for an edge
  };
  static constexpr std::array<Pass, 3> kPasses = {{{{0, 1, 0}}, {{24, 25, 26}}, {{16, 17, 16}}}};
  for (int p = 0; p < 3; ++p) {
    const auto [a, b, c] = kPasses[p].target;
    if (p > 0) r.RecordCommit(kStepMarker);
    for (int side = 0; side < 4; ++side) {
      const bool skip = p == 1 && side == 0;  // the working slot for the last layer
      if (!skip && !r.Home({a, b, c})) {
        for (const MoveList& trial : TrialList(p)) {
          r.Record(trial);
          if (r.Home({a, b, c})) break;
          r.Restore();
        }
        r.Commit();
      }
      r.RecordCommit(kY1);
      if (p == 2) r.RecordCommit(kU3);
    }
  }
  r.RecordCommit(kStepMarker);
}

// Step 4: the D edges' D stickers onto D, then the DF edge home.
void OrientBottomEdges(Recorder& r) {
  static const MoveList kFlipAdjacent = ParseMoves("R' D' B' D B R");
  static const MoveList kFlipOther = ParseMoves("R' B' D' B D R");
  int wrong = 0;
  for (int s : {8, 10, 12, 14}) wrong += r.At(s) != 'D';
  if (wrong > 2) r.RecordCommit(kFlipAdjacent);
  if (wrong != 0) {
    int turns = 1;
    for (int w = 0; w < kMaxWaits && (r.At(8) != 'D' || r.At(10) == 'D'); ++w) {
      r.RecordCommit(kY1);
      ++turns;
    }
    r.RecordCommit(r.At(12) == 'D' ? kFlipOther : kFlipAdjacent);
    for (int k = 0; k < turns - 1; ++k) r.RecordCommit(kY3);
  }
  for (int w = 0; w < kMaxWaits && !r.Home({8, 9}); ++w) r.RecordCommit(kD1);
  r.RecordCommit(kStepMarker);
}

// Step 5: the other D edges home.
void PlaceBottomEdges(Recorder& r) {
  static const MoveList kCycle = ParseMoves("R' D2 R D R' D R");
  for (int w = 0; w < kMaxWaits && !r.Home({10, 11}); ++w) {
    r.RecordCommit(kCycle);
    r.RecordCommit(kSubStepMarker);
  }
  if (!r.Home({14, 15})) {
    r.RecordCommit(kD2);
    r.RecordCommit(kCycle);
    r.RecordCommit(kD3);
  }
  r.RecordCommit(kStepMarker);
}

// Swaps the free U slot's corner with a D corner: set-up by D turns, L U2 L', undo.
void RecordCornerSwap(Recorder& r, int k) {
  static const MoveList kSwap = ParseMoves("L U2 L'");
  if (k != 0) r.Record(k + 2);
  r.Record(kSwap);
  if (k != 0) r.Record(6 - k);
}

// Step 6: the D corners (and the free slot's corner) into place, any twist.
void PlaceBottomCorners(Recorder& r) {
  static constexpr std::array<int, 4> kBottomCorners = {36, 39, 42, 45};
  for (int round = 0; round < kMaxCornerRounds; ++round) {
    bool allPresent = true;
    for (int q : kBottomCorners) allPresent = allPresent && r.Present(q, q + 1, q + 2);
    if (allPresent) break;
    if (r.Present(24, 25, 26)) {
      int q = kBottomCorners[0];
      for (int candidate : kBottomCorners) {
        if (!r.Present(candidate, candidate + 1, candidate + 2)) {
          q = candidate;
          break;
        }
      }
      RecordCornerSwap(r, ((q - 36) / 3 + 2) % 4);
      r.Commit();
      r.RecordCommit(kSilentMarker);
      continue;
    }
    for (int t = 0; t < 4; ++t) {
      RecordCornerSwap(r, t);
      const int q = 36 + 3 * ((t + 2) % 4);
      if (r.Present(q, q + 1, q + 2)) {
        r.Commit();
        r.RecordCommit(kSubStepMarker);
      } else {
        r.Restore();
      }
    }
  }
  r.RecordCommit(kStepMarker);
  r.RecordCommit(kZ2);
}

// Step 7: twist the corners, now on U, two looks with a z turn after each.
void TwistCorners(Recorder& r) {
  for (int look = 0; look < 2; ++look) {
    const int u = (r.At(25) == 'U') + 2 * (r.At(26) == 'U') + 3 * (r.At(28) == 'U') +
                  6 * (r.At(29) == 'U');
    if (u > 0) {
      const TwistRow& row = TwistRowFor(u - 1);
      if (row.whole.empty()) {
        r.RecordCommit(row.setUp);
        r.RecordCommit(TwistSequence(u - 1 == 5 ? 2 : 0));
        r.RecordCommit(row.undo);
      } else {
        r.RecordCommit(row.whole);
      }
    }
    r.RecordCommit(kZ1);
  }
}

}  // namespace

std::string SolveNoFormula(const std::string& pieceString) {
  Recorder r(PieceState::FromPieceString(pieceString));
  PlaceByTrials(r);
  OrientBottomEdges(r);
  PlaceBottomEdges(r);
  PlaceBottomCorners(r);
  TwistCorners(r);
  return WriteText(ReExpress(r.Codes()));
}

}  // namespace noformula
