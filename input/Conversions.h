#pragma once
// Conversions of a facelet text (NetString: 6N² characters '0' + colour index,
// faces U, F, R, B, L, D, each row by row as seen from outside) into the input
// formats of the solvers. Pure functions; the caller checks lengths and orders.
#include <string>

namespace input {

// True when each of the six face blocks holds one repeated character.
bool IsUniform(const std::string& text);

// Order 3 only (54 characters). The order-3 piece notation: the twelve edges
// UF UR UB UL DF DR DB DL FR FL BR BL and eight corners UFR URB UBL ULF DRF DFL
// DLB DBR, each as the face letters of its stickers, letters taken from the
// centres, separated by single spaces.
std::string ToPieceString(const std::string& text);
// Every sticker as the face ('0'..'5', U F R B L D) whose centre has its colour.
std::string ToCentreCodes(const std::string& text);
// "L:…… F:…… R:…… B:…… U:…… D:……", colours written as the letters "YBRGOW".
std::string ToLabelledFaces(const std::string& text);

// Any order 2..7 (6N² characters).
// A half turn of the whole cube about the R–L axis.
std::string TurnWholeX2(int order, const std::string& text);
// The N×N solver's faces: bytes 1..6, blocks L, R, U, D, F, B re-oriented.
std::string ToSolverFaces(int order, const std::string& text);

}  // namespace input
