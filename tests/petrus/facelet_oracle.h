#pragma once
// A facelet model for checking the Petrus solver, derived from geometry alone:
// every sticker is a cubie position and an outward normal in {−1, 0, 1}³, and a
// turn rotates the stickers of one layer. It shares no table with the solver.
//
// Axes: x from L to R, y from D to U, z from B to F.
#include <array>
#include <random>
#include <sstream>
#include <string>

namespace oracle {

struct Vec {
  int x, y, z;
  bool operator==(const Vec&) const = default;
};

struct Sticker {
  Vec position, normal;
};

// Face layout of the facelet text: centre normal, and the directions of
// increasing column and increasing row as seen from outside.
struct FaceFrame {
  Vec normal, column, row;
};
inline constexpr std::array<FaceFrame, 6> kFrames = {{
    {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},    // U: B at the top
    {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}},   // F
    {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}},  // R
    {{0, 0, -1}, {-1, 0, 0}, {0, -1, 0}}, // B
    {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}},  // L
    {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}},  // D: F at the top
}};

inline Sticker StickerOf(int facelet) {
  const FaceFrame& f = kFrames[facelet / 9];
  const int row = facelet % 9 / 3 - 1, col = facelet % 3 - 1;
  return {{f.normal.x + col * f.column.x + row * f.row.x, f.normal.y + col * f.column.y + row * f.row.y,
           f.normal.z + col * f.column.z + row * f.row.z},
          f.normal};
}

inline int FaceletOf(const Sticker& s) {
  for (int i = 0; i < 54; ++i) {
    const Sticker t = StickerOf(i);
    if (t.position == s.position && t.normal == s.normal) return i;
  }
  return -1;
}

inline int Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
// Clockwise quarter turn as seen from the end of `axis` (−90° about it).
inline Vec Clockwise(Vec v, Vec axis) {
  const Vec c = Cross(axis, v);
  const int d = Dot(axis, v);
  return {axis.x * d - c.x, axis.y * d - c.y, axis.z * d - c.z};
}

// Turns the stickers whose position lies at `layerMin` or beyond along `axis`
// clockwise about it (layerMin −1 turns the whole cube).
inline std::string Turn(const std::string& facelets, Vec axis, int layerMin) {
  std::string out = facelets;
  for (int i = 0; i < 54; ++i) {
    const Sticker s = StickerOf(i);
    if (Dot(s.position, axis) < layerMin) continue;
    out[FaceletOf({Clockwise(s.position, axis), Clockwise(s.normal, axis)})] = facelets[i];
  }
  return out;
}

// Reflection that negates one coordinate (0 x, 1 y, 2 z).
inline std::string Reflect(const std::string& facelets, int coordinate) {
  std::string out = facelets;
  auto flip = [coordinate](Vec v) {
    (coordinate == 0 ? v.x : coordinate == 1 ? v.y : v.z) *= -1;
    return v;
  };
  for (int i = 0; i < 54; ++i) {
    const Sticker s = StickerOf(i);
    out[FaceletOf({flip(s.position), flip(s.normal)})] = facelets[i];
  }
  return out;
}

inline Vec FaceAxis(char face) {
  switch (face) {
    case 'U': return {0, 1, 0};
    case 'D': return {0, -1, 0};
    case 'F': return {0, 0, 1};
    case 'B': return {0, 0, -1};
    case 'R': return {1, 0, 0};
    case 'L': return {-1, 0, 0};
    case 'x': return {1, 0, 0};  // standard notation: x as R, y as U, z as F
    case 'y': return {0, 1, 0};
    case 'z': return {0, 0, 1};
    default: return {0, 0, 0};
  }
}

// Applies standard-notation tokens ("R", "U2", "F'", "x", "y2", "z'"), separated
// by spaces. Returns "" for a token it does not know.
inline std::string Apply(std::string facelets, const std::string& tokens) {
  std::istringstream in(tokens);
  std::string token;
  while (in >> token) {
    const Vec axis = FaceAxis(token[0]);
    if (axis == Vec{0, 0, 0} || token.size() > 2) return "";
    int turns = 1;
    if (token.size() == 2) {
      if (token[1] == '2') turns = 2;
      else if (token[1] == '\'') turns = 3;
      else return "";
    }
    const bool whole = token[0] >= 'x';
    for (int t = 0; t < turns; ++t) facelets = Turn(facelets, axis, whole ? -1 : 1);
  }
  return facelets;
}

inline bool IsSolved(const std::string& facelets) {
  if (facelets.size() != 54) return false;
  for (int f = 0; f < 6; ++f)
    for (int i = 1; i < 9; ++i)
      if (facelets[9 * f + i] != facelets[9 * f]) return false;
  return true;
}

inline constexpr const char* kSolved = "000000000111111111222222222333333333444444444555555555";

// A cube scrambled by `count` random face turns.
inline std::string Scrambled(std::mt19937& random, int count, std::string* scramble = nullptr) {
  static constexpr const char* kTokens[] = {"U", "U2", "U'", "D", "D2", "D'", "F", "F2", "F'",
                                            "B", "B2", "B'", "L", "L2", "L'", "R", "R2", "R'"};
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i) text += ' ';
    text += kTokens[random() % 18];
  }
  if (scramble) *scramble = text;
  return Apply(kSolved, text);
}

}  // namespace oracle
