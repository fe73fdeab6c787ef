#pragma once
// Re-lettering a move-log token after a whole-cube rotation so that it still
// makes the same physical turn on the rotated cube.
//
// The letter tables of the move log (RelabelCommand without an order) handle most
// tokens, but leave half-turn rotations and primed half-turn slices alone when the
// rotation is about another axis (y2 under x must become z2) and produce a few
// texts outside the vocabulary (CB2' under x gives CU2'). Here every token of the
// order is checked against its physical meaning: when the table's result is not an
// equivalent token, a token of the order that turns the same layers by the same
// amount is chosen instead, preferring one of the same shape as the original.
// Texts outside the vocabulary, and tokens with no equivalent (T6B), keep the
// table's result.
#include <string>

#include "model/MoveLog.h"

namespace movelog {

std::string RelabelCommand(WholeRotation rotation, const std::string& text, int order);

}  // namespace movelog
