#pragma once
// The beginner method "不用背公式的玩法" for the 3×3×3 cube: layer by layer,
// first layer on U, where each piece is placed by trying short sequences from a
// fixed list and keeping the first that puts it home; only the last layer uses
// a handful of fixed sequences.
#include <string>

namespace noformula {

// Solves the cube given as a PieceString (input::ToPieceString). Returns the
// move text with step markers, e.g. "[1] U' F [.] ... [6] "; empty for an empty
// recorded list. Callers pass only colourings the layer-by-layer solver accepted.
std::string SolveNoFormula(const std::string& pieceString);

}  // namespace noformula
