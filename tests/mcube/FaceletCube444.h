#pragma once
// A facelet-level 4×4×4 cube for the tests, built from the facelet text's own
// layout and written apart from the solver's grid so that it can check it.
// Coordinates here are right-handed: x to R, y to U, z to F, doubled so that
// sticker centres are odd numbers −3..3 on a face and ±4 off it.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

namespace test444 {

struct Point {
  int v[3];
  bool operator<(const Point& o) const {
    return std::lexicographical_compare(v, v + 3, o.v, o.v + 3);
  }
};

class FaceletCube444 {
 public:
  explicit FaceletCube444(std::string facelets = Solved()) : colours_(std::move(facelets)) {
    for (int i = 0; i < 96; ++i) index_[Key(i)] = i;
  }

  static std::string Solved() {
    std::string s;
    for (int face = 0; face < 6; ++face) s += std::string(16, static_cast<char>('0' + face));
    return s;
  }

  const std::string& Facelets() const { return colours_; }

  // Layer 0..3 from the negative end of the axis (x: L, y: D, z: B); quarter turns
  // counted +90° about the positive axis, right-handed.
  void Turn(int axis, int layer, int quarters) {
    for (int q = 0; q < ((quarters % 4) + 4) % 4; ++q) QuarterTurn(axis, layer);
  }

  // Applies the solver's tokens ("RU.dL."); false on an unknown token.
  bool ApplyTokens(const std::string& text) {
    for (size_t i = 0; i + 3 <= text.size(); i += 3) {
      if (!ApplyToken(text[i], text[i + 1])) return false;
    }
    return text.size() % 3 == 0;
  }

  bool IsSolved() const {
    for (int face = 0; face < 6; ++face)
      for (int i = 1; i < 16; ++i)
        if (colours_[face * 16 + i] != colours_[face * 16]) return false;
    return true;
  }

  void Scramble(std::mt19937& rng, int turns) {
    std::uniform_int_distribution<int> axis(0, 2), layer(0, 3), amount(1, 3);
    for (int i = 0; i < turns; ++i) Turn(axis(rng), layer(rng), amount(rng));
  }

 private:
  // Position (doubled) and outward normal of facelet i.
  static std::pair<Point, Point> Place(int i) {
    const int face = i / 16, r = i % 16 / 4, k = i % 4;
    const int a = -3 + 2 * k, down = 3 - 2 * r;
    switch (face) {
      case 0: return {{{a, 4, -3 + 2 * r}}, {{0, 1, 0}}};    // U, B at the top
      case 1: return {{{a, down, 4}}, {{0, 0, 1}}};         // F
      case 2: return {{{4, down, 3 - 2 * k}}, {{1, 0, 0}}};   // R, F on the left
      case 3: return {{{3 - 2 * k, down, -4}}, {{0, 0, -1}}}; // B, R on the left
      case 4: return {{{-4, down, -3 + 2 * k}}, {{-1, 0, 0}}};  // L, B on the left
      default: return {{{a, -4, 3 - 2 * r}}, {{0, -1, 0}}};  // D, F at the top
    }
  }
  static std::array<int, 6> KeyOf(const Point& p, const Point& n) {
    return {p.v[0], p.v[1], p.v[2], n.v[0], n.v[1], n.v[2]};
  }
  static std::array<int, 6> Key(int i) {
    const auto [p, n] = Place(i);
    return KeyOf(p, n);
  }
  static Point Rotate(const Point& p, int axis) {
    // +90° about the axis: x: (y, z) → (−z, y); y: (z, x) → (−x, z); z: (x, y) → (−y, x)
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    Point out = p;
    out.v[i] = -p.v[j];
    out.v[j] = p.v[i];
    return out;
  }
  void QuarterTurn(int axis, int layer) {
    const int centre = -3 + 2 * layer;
    std::string next = colours_;
    for (int i = 0; i < 96; ++i) {
      const auto [p, n] = Place(i);
      if (std::abs(p.v[axis] - centre) > 1) continue;
      next[index_.at(KeyOf(Rotate(p, axis), Rotate(n, axis)))] = colours_[i];
    }
    colours_ = next;
  }
  // Token letters as the solver documents them: layers L l r R, D d u U numbered
  // from L and D; F f b B from the front; directions U front→top, L front→left,
  // A anticlockwise seen from the front, and their opposites D, R, C.
  bool ApplyToken(char layerLetter, char direction) {
    int axis, quarters;
    switch (direction) {
      case 'U': axis = 0; quarters = 3; break;
      case 'D': axis = 0; quarters = 1; break;
      case 'L': axis = 1; quarters = 3; break;
      case 'R': axis = 1; quarters = 1; break;
      case 'A': axis = 2; quarters = 1; break;
      case 'C': axis = 2; quarters = 3; break;
      default: return false;
    }
    const std::string layers[3] = {"LlrR", "DduU", "BbfF"};
    if (layerLetter == 'C') {
      for (int l = 0; l < 4; ++l) Turn(axis, l, quarters);
      return true;
    }
    const auto at = layers[axis].find(layerLetter);
    if (at == std::string::npos) return false;
    Turn(axis, static_cast<int>(at), quarters);
    return true;
  }

  std::string colours_;
  std::map<std::array<int, 6>, int> index_;
};

}  // namespace test444
