#include "FaceletModel.h"

#include <array>
#include <cstdlib>
#include <map>
#include <sstream>

namespace twophase_test {

namespace {
using Vec = std::array<int, 3>;

struct Sticker {
  Vec pos;
  Vec normal;
};

// Faces in net order U F R B L D: position of the sticker at (row, col), normal.
Sticker StickerAt(int index) {
  const int face = index / 9, r = index % 9 / 3, c = index % 3;
  switch (face) {
    case 0: return {{c - 1, 1, r - 1}, {0, 1, 0}};    // U, B edge on top
    case 1: return {{c - 1, 1 - r, 1}, {0, 0, 1}};    // F
    case 2: return {{1, 1 - r, 1 - c}, {1, 0, 0}};    // R
    case 3: return {{1 - c, 1 - r, -1}, {0, 0, -1}};  // B
    case 4: return {{-1, 1 - r, c - 1}, {-1, 0, 0}};  // L
    default: return {{c - 1, -1, 1 - r}, {0, -1, 0}}; // D, F edge on top
  }
}

int IndexOf(const Sticker& s) {
  for (int i = 0; i < 54; ++i) {
    const Sticker t = StickerAt(i);
    if (t.pos == s.pos && t.normal == s.normal) return i;
  }
  std::abort();
}

// A clockwise quarter turn seen from the tip of axis a: rotation by −90°,
// v' = a(a·v) − a × v.
Vec Rotate(const Vec& v, const Vec& a) {
  const int dot = a[0] * v[0] + a[1] * v[1] + a[2] * v[2];
  const Vec cross = {a[1] * v[2] - a[2] * v[1], a[2] * v[0] - a[0] * v[2], a[0] * v[1] - a[1] * v[0]};
  return {a[0] * dot - cross[0], a[1] * dot - cross[1], a[2] * dot - cross[2]};
}

// Destination of each sticker under a quarter turn about axis; whole = every layer.
std::array<int, 54> QuarterTurn(const Vec& axis, bool whole) {
  std::array<int, 54> to{};
  for (int i = 0; i < 54; ++i) {
    const Sticker s = StickerAt(i);
    const int layer = axis[0] * s.pos[0] + axis[1] * s.pos[1] + axis[2] * s.pos[2];
    to[i] = (whole || layer == 1) ? IndexOf({Rotate(s.pos, axis), Rotate(s.normal, axis)}) : i;
  }
  return to;
}

struct Turn {
  Vec axis;
  bool whole;
};
const std::map<char, Turn>& Turns() {
  static const std::map<char, Turn> turns = {
      {'R', {{1, 0, 0}, false}}, {'L', {{-1, 0, 0}, false}}, {'U', {{0, 1, 0}, false}},
      {'D', {{0, -1, 0}, false}}, {'F', {{0, 0, 1}, false}}, {'B', {{0, 0, -1}, false}},
      {'x', {{1, 0, 0}, true}},  {'y', {{0, 1, 0}, true}},  {'z', {{0, 0, 1}, true}},
  };
  return turns;
}
}  // namespace

bool ApplyMoves(std::string& net, const std::string& moves) {
  std::istringstream in(moves);
  std::string token;
  while (in >> token) {
    auto it = Turns().find(token[0]);
    if (it == Turns().end() || token.size() > 2) return false;
    int quarters = 1;
    if (token.size() == 2) {
      if (token[1] == '2') quarters = 2;
      else if (token[1] == '\'') quarters = 3;
      else return false;
    }
    const auto to = QuarterTurn(it->second.axis, it->second.whole);
    for (int q = 0; q < quarters; ++q) {
      std::string next = net;
      for (int i = 0; i < 54; ++i) next[to[i]] = net[i];
      net = next;
    }
  }
  return true;
}

std::string Turned(const std::string& net, const std::string& moves) {
  std::string out = net;
  if (!ApplyMoves(out, moves)) std::abort();
  return out;
}

std::string RandomFaceTurns(std::mt19937& rng, int n) {
  static const char* kFaces = "RLUDFB";
  static const char* kSuffix[] = {"", "2", "'"};
  std::string text;
  int last = -1;
  for (int i = 0; i < n; ++i) {
    int face;
    do face = static_cast<int>(rng() % 6); while (face == last);
    last = face;
    if (i) text += ' ';
    text += kFaces[face];
    text += kSuffix[rng() % 3];
  }
  return text;
}

bool IsSolvedNet(const std::string& net) {
  if (net.size() != 54) return false;
  for (int f = 0; f < 6; ++f)
    for (int i = 0; i < 9; ++i)
      if (net[9 * f + i] != net[9 * f + 4]) return false;
  return true;
}

}  // namespace twophase_test
