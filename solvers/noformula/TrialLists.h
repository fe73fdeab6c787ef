#pragma once
// The no-formula solver's fixed sequences: the trial lists of the first two
// layers (tried in order, the first that puts the piece home is kept) and the
// corner-twist rows of the last step.
#include <vector>

#include "solvers/noformula/PieceState.h"

namespace noformula {

// Pass 0 (UF edge, 23 entries), 1 (UFR corner, 23), 2 (FR edge, 15).
const std::vector<MoveList>& TrialList(int pass);

// A twist row: either a set-up and its undo around the twist sequence, or a
// whole sequence of its own.
struct TwistRow {
  MoveList setUp, undo, whole;
};
// Rows 0..7, chosen by the U stickers seen on the UFR and URB corners.
const TwistRow& TwistRowFor(int row);
// The 15-code twist sequences A (row 0) and B (row 2).
const MoveList& TwistSequence(int row);

}  // namespace noformula
