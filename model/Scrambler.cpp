#include "model/Scrambler.h"

namespace scramble {

int ScrambleRandom::Draw() {
  x_ = x_ * 214013u + 2531011u;
  return static_cast<int>((x_ >> 16) & 0x7FFF);
}

TurnSelector::TurnSelector(int order, bool keepCenter, std::uint32_t seed)
    : random_(seed), order_(order), mid_(keepCenter && order % 2 == 1 ? (order - 1) / 2 : -1) {}

ScrambleTurn TurnSelector::Next() {
  ScrambleTurn turn{};
  turn.layer = random_.Draw() % order_;
  for (;;) {
    turn.axis = random_.Draw() % 3;
    turn.dir = random_.Draw() % 2;
    const bool undoesPrevious = turn.layer == previous_.layer && turn.axis == previous_.axis &&
                                turn.dir != previous_.dir;
    if (!undoesPrevious && turn.layer != mid_) break;
    turn.layer = random_.Draw() % order_;
  }
  previous_ = turn;
  return turn;
}

std::vector<ScrambleTurn> ScrambleTurns(int order, int count, bool keepCenter, std::uint32_t seed) {
  TurnSelector selector(order, keepCenter, seed);
  std::vector<ScrambleTurn> turns;
  turns.reserve(count > 0 ? count : 0);
  for (int i = 0; i < count; ++i) turns.push_back(selector.Next());
  return turns;
}

int FinalSoundAxis(const std::vector<ScrambleTurn>& turns, bool animate) {
  if (!turns.empty()) return turns.back().axis;
  return animate ? 1 : 0;
}

}  // namespace scramble
