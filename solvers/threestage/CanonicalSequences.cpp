#include "solvers/threestage/CanonicalSequences.h"

#include <array>

#include "solvers/threestage/StickerCube.h"

namespace threestage {

namespace {

constexpr std::array<int, 6> kFirstOrder = {kR, kU, kF, kL, kD, kB};
constexpr std::array<int, 6> kLaterOrder = {kR, kL, kU, kD, kF, kB};

// Completions of `left` more turns after a turn of face `previous` (−1: none yet).
struct Counts {
  std::array<std::array<std::uint64_t, 7>, kCodeBookLength + 1> after{};
  Counts() {
    for (int p = -1; p < 6; ++p) after[0][p + 1] = 1;
    for (int left = 1; left <= kCodeBookLength; ++left) {
      for (int p = -1; p < 6; ++p) {
        std::uint64_t sum = 0;
        for (int f = 0; f < 6; ++f) {
          if (FollowsCanonically(p, f)) sum += 3 * after[left - 1][f + 1];
        }
        after[left][p + 1] = sum;
      }
    }
  }
};

const Counts& TheCounts() {
  static const Counts counts;
  return counts;
}

const std::array<int, 6>& OrderAt(int step) { return step == 0 ? kFirstOrder : kLaterOrder; }

void Enumerate(int length, Moves& current, Moves& out) {
  const int step = static_cast<int>(current.size());
  if (step == length) {
    out.insert(out.end(), current.begin(), current.end());
    return;
  }
  const int previous = step == 0 ? -1 : TurnFace(current.back());
  for (int face : OrderAt(step)) {
    if (!FollowsCanonically(previous, face)) continue;
    for (int amount = 1; amount <= 3; ++amount) {
      current.push_back(static_cast<std::uint8_t>(TurnCode(face, amount)));
      Enumerate(length, current, out);
      current.pop_back();
    }
  }
}

}  // namespace

bool FollowsCanonically(int previousFace, int face) {
  if (previousFace < 0) return true;
  if (face == previousFace) return false;
  return !(face == OppositeFace(previousFace) && face < previousFace);
}

bool IsCanonical(const Moves& moves) {
  int previous = -1;
  for (auto code : moves) {
    if (code >= kTurnCodes || !FollowsCanonically(previous, TurnFace(code))) return false;
    previous = TurnFace(code);
  }
  return true;
}

std::uint64_t CanonicalCount(int length) { return TheCounts().after[length][0]; }

std::uint64_t CanonicalRank(const std::uint8_t* moves, int length) {
  const Counts& counts = TheCounts();
  std::uint64_t index = 0;
  int previous = -1;
  for (int step = 0; step < length; ++step) {
    const int face = TurnFace(moves[step]);
    for (int f : OrderAt(step)) {
      if (!FollowsCanonically(previous, f)) continue;
      const std::uint64_t block = counts.after[length - 1 - step][f + 1];
      if (f == face) {
        index += (TurnAmount(moves[step]) - 1) * block;
        break;
      }
      index += 3 * block;
    }
    previous = face;
  }
  return index;
}

void CanonicalUnrank(std::uint64_t index, int length, std::uint8_t* moves) {
  const Counts& counts = TheCounts();
  int previous = -1;
  for (int step = 0; step < length; ++step) {
    for (int f : OrderAt(step)) {
      if (!FollowsCanonically(previous, f)) continue;
      const std::uint64_t block = counts.after[length - 1 - step][f + 1];
      if (index < 3 * block) {
        moves[step] = static_cast<std::uint8_t>(TurnCode(f, static_cast<int>(index / block) + 1));
        index %= block;
        previous = f;
        break;
      }
      index -= 3 * block;
    }
  }
}

Moves CanonicalList(int length) {
  Moves current, out;
  out.reserve(CanonicalCount(length) * length);
  Enumerate(length, current, out);
  return out;
}

}  // namespace threestage
