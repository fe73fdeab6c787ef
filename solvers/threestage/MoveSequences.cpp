#include "solvers/threestage/MoveSequences.h"

#include <algorithm>

#include "solvers/threestage/StickerCube.h"

namespace threestage {

namespace {

// One pass, in place (the write position never passes the read position);
// true when it changed something.
bool SimplifyOnce(Moves& moves) {
  bool changed = false;
  size_t kept = 0;
  for (size_t read = 0; read < moves.size(); ++read) {
    const auto code = moves[read];
    if (kept > 0) {
      const int last = TurnFace(moves[kept - 1]), face = TurnFace(code);
      if (last == face) {
        const int amount = (TurnAmount(moves[kept - 1]) + TurnAmount(code)) % 4;
        if (amount == 0) {
          --kept;
        } else {
          moves[kept - 1] = static_cast<std::uint8_t>(TurnCode(face, amount));
        }
        changed = true;
        continue;
      }
      if (face == OppositeFace(last) && face < last) {
        // Commuting turns: the lower face first; the moved turn meets what now
        // precedes it on the next pass.
        moves[kept] = moves[kept - 1];
        moves[kept - 1] = code;
        ++kept;
        changed = true;
        continue;
      }
    }
    moves[kept++] = code;
  }
  moves.resize(kept);
  return changed;
}

}  // namespace

void Simplify(Moves& moves) {
  while (SimplifyOnce(moves)) {
  }
}

Moves Inverse(const Moves& moves) {
  Moves out(moves.rbegin(), moves.rend());
  for (auto& code : out) code = static_cast<std::uint8_t>(InverseTurn(code));
  return out;
}

Moves Relettered(const Moves& moves, const std::array<int, 6>& faceMap) {
  Moves out(moves);
  for (auto& code : out) code = static_cast<std::uint8_t>(TurnCode(faceMap[TurnFace(code)], TurnAmount(code)));
  return out;
}

Moves Mirrored(const Moves& moves) {
  static constexpr std::array<int, 6> kSwapLR = {kL, kU, kF, kR, kD, kB};
  Moves out(moves);
  for (auto& code : out) code = static_cast<std::uint8_t>(TurnCode(kSwapLR[TurnFace(code)], 4 - TurnAmount(code)));
  return out;
}

int HalfTurnCount(const Moves& moves) {
  return static_cast<int>(std::count_if(moves.begin(), moves.end(), [](auto c) { return TurnAmount(c) == 2; }));
}

}  // namespace threestage
