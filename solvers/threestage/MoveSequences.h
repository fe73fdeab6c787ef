#pragma once
// Operations on face-turn sequences (codes of StickerCube.h).
#include <array>

#include "solvers/threestage/CanonicalSequences.h"

namespace threestage {

// Repeated until nothing changes: neighbouring turns of opposite faces are put
// in ascending face order; neighbouring turns of one face merge (amounts added
// modulo 4, both dropped at 0). The result is canonical.
void Simplify(Moves& moves);
Moves Inverse(const Moves& moves);
// Every turn moved to another face; amounts kept.
Moves Relettered(const Moves& moves, const std::array<int, 6>& faceMap);
// The mirror image through the plane between L and R: L and R exchanged,
// every turn reversed.
Moves Mirrored(const Moves& moves);
int HalfTurnCount(const Moves& moves);

}  // namespace threestage
