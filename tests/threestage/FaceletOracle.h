#pragma once
// A plain facelet model written independently of the solver's geometry: each
// face turn rotates its own block and cycles four three-sticker strips of the
// neighbouring blocks. Used to scramble cubes and to check solutions by applying them.
#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace threestage_test {

using Colours = std::array<std::uint8_t, 54>;  // facelet order U F R B L D

inline Colours SolvedColours() {
  Colours c{};
  for (int i = 0; i < 54; ++i) c[i] = static_cast<std::uint8_t>(i / 9);
  return c;
}

// Face letters in the solver's numbering: R U F L D B.
inline void TurnFace(Colours& c, int face, int amount) {
  struct Turn {
    int block;
    std::array<std::array<int, 3>, 4> strips;  // each strip moves to the next one
  };
  static const std::array<Turn, 6> kTurns = {{
      {2, {{{11, 14, 17}, {2, 5, 8}, {33, 30, 27}, {47, 50, 53}}}},   // R
      {0, {{{9, 10, 11}, {36, 37, 38}, {27, 28, 29}, {18, 19, 20}}}}, // U
      {1, {{{6, 7, 8}, {18, 21, 24}, {47, 46, 45}, {44, 41, 38}}}},   // F
      {4, {{{0, 3, 6}, {9, 12, 15}, {45, 48, 51}, {35, 32, 29}}}},    // L
      {5, {{{15, 16, 17}, {24, 25, 26}, {33, 34, 35}, {42, 43, 44}}}},// D
      {3, {{{2, 1, 0}, {36, 39, 42}, {51, 52, 53}, {26, 23, 20}}}},   // B
  }};
  const Turn& t = kTurns[face];
  for (int q = 0; q < amount; ++q) {
    const Colours old = c;
    const int base = t.block * 9;
    for (int r = 0; r < 3; ++r) {
      for (int col = 0; col < 3; ++col) c[base + r * 3 + col] = old[base + (2 - col) * 3 + r];
    }
    for (int s = 0; s < 4; ++s) {
      for (int k = 0; k < 3; ++k) c[t.strips[(s + 1) % 4][k]] = old[t.strips[s][k]];
    }
  }
}

inline bool IsSolved(const Colours& c) {
  for (int i = 0; i < 54; ++i) {
    if (c[i] != c[(i / 9) * 9 + 4]) return false;
  }
  return true;
}

inline Colours Scrambled(std::mt19937& random, int turns) {
  Colours c = SolvedColours();
  std::uniform_int_distribution<int> face(0, 5), amount(1, 3);
  for (int i = 0; i < turns; ++i) TurnFace(c, face(random), amount(random));
  return c;
}

inline std::string ToText(const Colours& c) {
  std::string s;
  for (auto v : c) s.push_back(static_cast<char>('0' + v));
  return s;
}

}  // namespace threestage_test
