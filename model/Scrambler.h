#pragma once
// The scrambler's choice of random single-layer quarter turns. The view performs
// the turns (animated or not) and ends the scramble; this part only chooses them,
// so that a scramble is reproducible from its seed.
//
// Generator: x ← x·214013 + 2531011 (mod 2³²), each draw (x ÷ 65536) mod 32768.
// A turn that would undo the previous one at once is rejected, and so is any turn
// of the centre layer of an odd order when "Keep Center" is on.
#include <cstdint>
#include <vector>

namespace scramble {

class ScrambleRandom {
 public:
  explicit ScrambleRandom(std::uint32_t seed) : x_(seed) {}
  int Draw();  // 0..32767

 private:
  std::uint32_t x_;
};

struct ScrambleTurn {
  int axis;   // 0 X, 1 Y, 2 Z
  int layer;  // 0..N−1
  int dir;    // 1 = +90° about the axis, 0 = −90°
  bool operator==(const ScrambleTurn&) const = default;
};

// Chooses the turns one at a time (the slow scramble lets other commands run between them).
class TurnSelector {
 public:
  TurnSelector(int order, bool keepCenter, std::uint32_t seed);
  ScrambleTurn Next();

 private:
  ScrambleRandom random_;
  int order_;
  int mid_;  // the centre layer to keep, or −1
  ScrambleTurn previous_{-1, -1, 0};
};

std::vector<ScrambleTurn> ScrambleTurns(int order, int count, bool keepCenter, std::uint32_t seed);

// The axis whose sound ends a scramble: the last turn's, or for a scramble of no
// turns the axis the program has always sounded then (Y when animated, else X).
int FinalSoundAxis(const std::vector<ScrambleTurn>& turns, bool animate);

}  // namespace scramble
