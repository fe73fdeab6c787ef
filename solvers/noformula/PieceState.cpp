#include "solvers/noformula/PieceState.h"

#include <array>
#include <sstream>

namespace noformula {

namespace {

using Cycle = std::array<int, 4>;  // contents of a move to b, b to c, c to d, d to a
using FaceCycles = std::array<Cycle, 5>;

// Clockwise quarter turns of U D F B R L.
const std::array<FaceCycles, 6> kFaceCycles = {{
    {{{0, 6, 4, 2}, {1, 7, 5, 3}, {24, 33, 30, 27}, {25, 34, 31, 28}, {26, 35, 32, 29}}},
    {{{8, 10, 12, 14}, {9, 11, 13, 15}, {39, 36, 45, 42}, {40, 37, 46, 43}, {41, 38, 47, 44}}},
    {{{1, 16, 9, 18}, {0, 17, 8, 19}, {35, 25, 38, 40}, {33, 26, 36, 41}, {34, 24, 37, 39}}},
    {{{5, 22, 13, 20}, {4, 23, 12, 21}, {29, 31, 44, 46}, {27, 32, 42, 47}, {28, 30, 43, 45}}},
    {{{3, 21, 11, 17}, {2, 20, 10, 16}, {26, 28, 47, 37}, {24, 29, 45, 38}, {25, 27, 46, 36}}},
    {{{7, 19, 15, 23}, {6, 18, 14, 22}, {32, 34, 41, 43}, {30, 35, 39, 44}, {31, 33, 40, 42}}},
}};

// A quarter whole-cube turn: rename letters, turn the two outer faces (one
// clockwise, one anticlockwise), then carry the middle slice's edges.
struct WholeTurn {
  std::array<char, 4> renamed;  // renamed[i] becomes renamed[(i+1)%4]
  int clockwiseFace, anticlockwiseFace;
  std::array<Cycle, 2> slice;
};
constexpr int kU = 0, kD = 1, kF = 2, kB = 3, kR = 4, kL = 5;
const std::array<WholeTurn, 3> kWholeTurns = {{
    {{'F', 'U', 'B', 'D'}, kR, kL, {{{1, 4, 13, 8}, {0, 5, 12, 9}}}},       // x
    {{'F', 'L', 'B', 'R'}, kU, kD, {{{17, 18, 23, 20}, {16, 19, 22, 21}}}},  // y
    {{'U', 'R', 'D', 'L'}, kF, kB, {{{6, 3, 10, 15}, {7, 2, 11, 14}}}},      // z
}};

void ApplyCycle(std::string& s, const Cycle& c) {
  const char last = s[c[3]];
  s[c[3]] = s[c[2]];
  s[c[2]] = s[c[1]];
  s[c[1]] = s[c[0]];
  s[c[0]] = last;
}

void QuarterFace(std::string& s, int face) {
  for (const auto& cycle : kFaceCycles[face]) ApplyCycle(s, cycle);
}

void QuarterWhole(std::string& s, const WholeTurn& turn) {
  for (char& letter : s) {
    for (int i = 0; i < 4; ++i) {
      if (letter == turn.renamed[i]) {
        letter = turn.renamed[(i + 1) % 4];
        break;
      }
    }
  }
  QuarterFace(s, turn.clockwiseFace);
  for (int q = 0; q < 3; ++q) QuarterFace(s, turn.anticlockwiseFace);
  for (const auto& cycle : turn.slice) ApplyCycle(s, cycle);
}

}  // namespace

void PieceState::Apply(int code) {
  if (code < 0 || code >= kStepMarker) return;
  const int quarters = code % 3 + 1;
  for (int q = 0; q < quarters; ++q) {
    if (code < kWholeX) QuarterFace(stickers, code / 3);
    else QuarterWhole(stickers, kWholeTurns[(code - kWholeX) / 3]);
  }
}

PieceState PieceState::FromPieceString(const std::string& pieceString) {
  PieceState state;
  state.stickers.assign(48, '?');
  std::istringstream in(pieceString);
  std::string name;
  for (int piece = 0; piece < 20 && in >> name; ++piece) {
    const int first = piece < 12 ? 2 * piece : 24 + 3 * (piece - 12);
    const int size = piece < 12 ? 2 : 3;
    for (int s = 0; s < size && s < static_cast<int>(name.size()); ++s) state.stickers[first + s] = name[s];
  }
  return state;
}

MoveList ParseMoves(const std::string& text) {
  static const std::string kLetters = "UDFBRLxyz";
  MoveList out;
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    const size_t base = kLetters.find(token[0]);
    if (base == std::string::npos) continue;
    const int amount = token.size() < 2 ? 0 : token[1] == '2' ? 1 : token[1] == '\'' ? 2 : 0;
    out.push_back(static_cast<int>(base) * 3 + amount);
  }
  return out;
}

}  // namespace noformula
