#pragma once
// The no-formula solver's sticker state and move codes.
//
// PieceState: 48 letters. Edge k = 0..11 (UF UR UB UL DF DR DB DL FR FL BR BL)
// holds stickers 2k and 2k+1, corner k = 0..7 (UFR URB UBL ULF DRF DFL DLB DBR)
// stickers 24+3k .. 26+3k, each in the order of the position's name. A letter
// names the face whose centre has that sticker's colour.
#include <string>
#include <vector>

namespace noformula {

// Move codes: face f (U D F B R L = 0..5) as 3f + 0 (clockwise), +1 (half),
// +2 (anticlockwise); whole-cube x, y, z (turning like R, U, F) as 18, 21, 24
// with the same amounts; then the markers.
constexpr int kWholeX = 18, kWholeY = 21, kWholeZ = 24;
constexpr int kStepMarker = 27;     // "[n]" in the text
constexpr int kSubStepMarker = 28;  // "[.]" in the text
constexpr int kSilentMarker = 29;   // dropped from the text
constexpr int kCodeCount = 30;

using MoveList = std::vector<int>;

constexpr const char* kSolvedState = "UFURUBULDFDRDBDLFRFLBRBLUFRURBUBLULFDRFDFLDLBDBR";

struct PieceState {
  std::string stickers = kSolvedState;

  // Applies one code; markers and codes out of range change nothing.
  void Apply(int code);
  // The state read from a PieceString: 20 space-separated piece names, edges
  // first. Missing or short names leave '?' letters.
  static PieceState FromPieceString(const std::string& pieceString);
};

// "R U2 L'" → codes; whole-cube turns x y z with 2 and ' too.
MoveList ParseMoves(const std::string& text);

}  // namespace noformula
