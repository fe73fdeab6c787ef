#include "solvers/petrus/TrackedCube.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace petrus {

namespace {

// A facelet permutation as "new[i] = old[from[i]]".
using Permutation = std::array<std::uint8_t, kFaceletCount>;
// (p q r s): the content of p moves to q, q's to r, r's to s, s's to p.
using Cycle = std::array<int, 4>;
using Swap = std::array<int, 2>;

Permutation Identity() {
  Permutation p{};
  for (int i = 0; i < kFaceletCount; ++i) p[i] = static_cast<std::uint8_t>(i);
  return p;
}

Permutation FromCycles(std::initializer_list<Cycle> cycles) {
  Permutation p = Identity();
  for (const Cycle& c : cycles) {
    for (int k = 0; k < 4; ++k) p[c[(k + 1) % 4]] = static_cast<std::uint8_t>(c[k]);
  }
  return p;
}

Permutation FromSwaps(std::initializer_list<Swap> swaps) {
  Permutation p = Identity();
  for (const Swap& s : swaps) {
    p[s[0]] = static_cast<std::uint8_t>(s[1]);
    p[s[1]] = static_cast<std::uint8_t>(s[0]);
  }
  return p;
}

// Clockwise quarter turns, in "UFRBLD" order.
const std::array<Permutation, 6>& FaceTurns() {
  static const std::array<Permutation, 6> turns = {
      FromCycles({{0, 2, 8, 6}, {1, 5, 7, 3}, {9, 36, 27, 18}, {10, 37, 28, 19}, {11, 38, 29, 20}}),
      FromCycles({{9, 11, 17, 15}, {10, 14, 16, 12}, {8, 24, 45, 38}, {7, 21, 46, 41}, {6, 18, 47, 44}}),
      FromCycles({{18, 20, 26, 24}, {19, 23, 25, 21}, {2, 33, 47, 11}, {5, 30, 50, 14}, {8, 27, 53, 17}}),
      FromCycles({{27, 29, 35, 33}, {28, 32, 34, 30}, {0, 42, 53, 20}, {1, 39, 52, 23}, {2, 36, 51, 26}}),
      FromCycles({{36, 38, 44, 42}, {37, 41, 43, 39}, {6, 15, 51, 29}, {3, 12, 48, 32}, {0, 9, 45, 35}}),
      FromCycles({{45, 47, 53, 51}, {46, 50, 52, 48}, {17, 26, 35, 44}, {16, 25, 34, 43}, {15, 24, 33, 42}}),
  };
  return turns;
}

// x turns the cube as F does, y as R does, z as U does.
const std::array<Permutation, 3>& Rotations() {
  static const std::array<Permutation, 3> rotations = {
      FromCycles({{9, 11, 17, 15}, {10, 14, 16, 12}, {27, 33, 35, 29}, {28, 30, 34, 32},
                  {0, 20, 53, 42}, {1, 23, 52, 39}, {2, 26, 51, 36}, {3, 19, 50, 43},
                  {4, 22, 49, 40}, {5, 25, 48, 37}, {6, 18, 47, 44}, {7, 21, 46, 41},
                  {8, 24, 45, 38}}),
      FromCycles({{18, 20, 26, 24}, {19, 23, 25, 21}, {36, 42, 44, 38}, {37, 39, 43, 41},
                  {6, 29, 51, 15}, {7, 28, 52, 16}, {8, 27, 53, 17},
                  {3, 32, 48, 12}, {4, 31, 49, 13}, {5, 30, 50, 14},
                  {0, 35, 45, 9}, {1, 34, 46, 10}, {2, 33, 47, 11}}),
      FromCycles({{0, 2, 8, 6}, {1, 5, 7, 3}, {45, 51, 53, 47}, {46, 48, 52, 50},
                  {9, 36, 27, 18}, {10, 37, 28, 19}, {11, 38, 29, 20},
                  {12, 39, 30, 21}, {13, 40, 31, 22}, {14, 41, 32, 23},
                  {15, 42, 33, 24}, {16, 43, 34, 25}, {17, 44, 35, 26}}),
  };
  return rotations;
}

// "xy" (U↔D), "xz" (L↔R), "yz" (F↔B).
const std::array<Permutation, 3>& Mirrors() {
  static const std::array<Permutation, 3> mirrors = {
      FromSwaps({{9, 15}, {10, 16}, {11, 17}, {18, 24}, {19, 25}, {20, 26},
                 {27, 33}, {28, 34}, {29, 35}, {36, 42}, {37, 43}, {38, 44},
                 {0, 51}, {1, 52}, {2, 53}, {3, 48}, {4, 49}, {5, 50},
                 {6, 45}, {7, 46}, {8, 47}}),
      FromSwaps({{0, 2}, {3, 5}, {6, 8}, {27, 29}, {30, 32}, {33, 35}, {45, 47},
                 {48, 50}, {51, 53}, {9, 11}, {12, 14}, {15, 17}, {18, 38},
                 {19, 37}, {20, 36}, {21, 41}, {22, 40}, {23, 39}, {24, 44},
                 {25, 43}, {26, 42}}),
      FromSwaps({{0, 6}, {1, 7}, {2, 8}, {18, 20}, {21, 23}, {24, 26}, {45, 51},
                 {46, 52}, {47, 53}, {36, 38}, {39, 41}, {42, 44}, {9, 29},
                 {10, 28}, {11, 27}, {12, 32}, {13, 31}, {14, 30}, {15, 35},
                 {16, 34}, {17, 33}}),
  };
  return mirrors;
}

// How each frame entry re-letters a move back into the frame before it: for the
// current-frame letters U F R B L D, the letters they become.
constexpr std::array<const char*, 3> kRotationLetters = {"LFUBDR", "FDRULB", "URBLFD"};
constexpr std::array<const char*, 3> kMirrorLetters = {"DFRBLU", "UFLBRD", "UBRFLD"};

constexpr std::array<std::array<int, 3>, 8> kCornerFacelets = {{
    {0, 29, 36}, {2, 20, 27}, {8, 11, 18}, {6, 9, 38},
    {15, 44, 45}, {17, 24, 47}, {35, 42, 51}, {26, 33, 53},
}};
constexpr std::array<std::array<int, 2>, 12> kEdgeFacelets = {{
    {1, 28}, {3, 37}, {5, 19}, {7, 10}, {12, 41}, {14, 21},
    {23, 30}, {32, 39}, {16, 46}, {25, 50}, {34, 52}, {43, 48},
}};
constexpr std::array<int, 6> kCentreFacelets = {4, 13, 22, 31, 40, 49};

// Which side faces oppose each other, by "UFRBLD" index.
constexpr std::array<int, 6> kOpposite = {5, 3, 4, 1, 2, 0};

void Apply(std::string& facelets, const Permutation& p) {
  const std::string old = facelets;
  for (int i = 0; i < kFaceletCount; ++i) facelets[i] = old[p[i]];
}

// Quarter turns a digit asks for: '1'…'9' taken modulo four; anything else none.
int TurnsOf(char digit) { return (digit > '0' && digit <= '9') ? (digit - '0') % 4 : 0; }

}  // namespace

int FaceIndex(char letter) {
  for (int f = 0; f < 6; ++f) {
    if (kFaceLetters[f] == letter) return f;
  }
  return -1;
}

TrackedCube::TrackedCube(std::string_view facelets)
    : facelets_(facelets.size() == kFaceletCount ? facelets : std::string_view(kSolvedFacelets)) {}

void TrackedCube::Move(std::string_view move) {
  if (move.size() < 2) return;
  const int face = FaceIndex(move[0]);
  const int turns = TurnsOf(move[1]);
  if (face < 0 || turns == 0) return;
  for (int t = 0; t < turns; ++t) Apply(facelets_, FaceTurns()[face]);
  Record(toInputFace_[face], mirrored_ ? 4 - turns : turns);
}

void TrackedCube::Rotate(char axis) {
  const int index = axis - 'x';
  if (index < 0 || index > 2) return;
  Apply(facelets_, Rotations()[index]);
  AppendFrame('R', index);
}

void TrackedCube::Mirror(std::string_view plane) {
  static constexpr std::array<std::string_view, 3> kPlanes = {"xy", "xz", "yz"};
  for (int index = 0; index < 3; ++index) {
    if (plane == kPlanes[index]) {
      Apply(facelets_, Mirrors()[index]);
      AppendFrame('M', index);
      return;
    }
  }
}

void TrackedCube::Sequence(std::string_view text) {
  for (size_t i = 0; i + 1 < text.size(); i += 2) {
    if (text[i] == 'r') {
      Rotate(text[i + 1]);
    } else {
      Move(text.substr(i, 2));
    }
  }
}

void TrackedCube::AppendFrame(char kind, int index) {
  frames_ += kind;
  frames_ += static_cast<char>('0' + index);
  // The newest entry re-letters first, the older ones after it.
  const char* letters = kind == 'R' ? kRotationLetters[index] : kMirrorLetters[index];
  std::array<char, 6> folded{};
  for (int f = 0; f < 6; ++f) folded[f] = toInputFace_[FaceIndex(letters[f])];
  toInputFace_ = folded;
  if (kind == 'M') mirrored_ = !mirrored_;
}

void TrackedCube::Record(char face, int turns) {
  moves_ += face;
  moves_ += static_cast<char>('0' + turns);
  Normalise();
}

// Scans neighbouring pairs from the end towards the start: same-face pairs merge
// (a sum of four quarter turns removes both); in "X Y X" with Y opposite to X the
// last two swap places so that the two X moves merge at the next step.
void TrackedCube::Normalise() {
  auto face = [this](int i) { return FaceIndex(moves_[2 * i]); };
  auto turns = [this](int i) { return moves_[2 * i + 1] - '0'; };
  int count = MoveCount();
  int i = count - 2;
  while (i >= 0) {
    if (face(i) == face(i + 1)) {
      const int sum = (turns(i) + turns(i + 1)) % 4;
      if (sum == 0) {
        moves_.erase(2 * i, 4);
        count -= 2;
      } else {
        moves_[2 * i + 1] = static_cast<char>('0' + sum);
        moves_.erase(2 * i + 2, 2);
        count -= 1;
      }
      i = std::min(i - 1, count - 2);
    } else if (i + 2 < count && face(i + 2) == face(i) && face(i + 1) == kOpposite[face(i)]) {
      std::swap(moves_[2 * i + 2], moves_[2 * i + 4]);
      std::swap(moves_[2 * i + 3], moves_[2 * i + 5]);
    } else {
      --i;
    }
  }
}

int TrackedCube::Colour(char face, int index) const {
  return facelets_[9 * FaceIndex(face) + index] - '0';
}

int TrackedCube::FindCorner(int a, int b, int c) const {
  std::array<int, 3> wanted = {a, b, c};
  std::sort(wanted.begin(), wanted.end());
  for (const auto& corner : kCornerFacelets) {
    std::array<int, 3> seen = {ColourAt(corner[0]), ColourAt(corner[1]), ColourAt(corner[2])};
    std::sort(seen.begin(), seen.end());
    if (seen != wanted) continue;
    for (int facelet : corner) {
      if (ColourAt(facelet) == a) return facelet;
    }
  }
  return -1;
}

int TrackedCube::FindEdge(int a, int b) const {
  for (const auto& edge : kEdgeFacelets) {
    const int first = ColourAt(edge[0]), second = ColourAt(edge[1]);
    if (first == a && second == b) return edge[0];
    if (first == b && second == a) return edge[1];
  }
  return -1;
}

int TrackedCube::FindCentre(int a) const {
  for (int facelet : kCentreFacelets) {
    if (ColourAt(facelet) == a) return facelet;
  }
  return -1;
}

bool TrackedCube::IsSolved() const {
  for (int f = 0; f < 6; ++f) {
    for (int i = 1; i < 9; ++i) {
      if (facelets_[9 * f + i] != facelets_[9 * f]) return false;
    }
  }
  return true;
}

bool ApplyPlainMove(std::string& facelets, std::string_view move) {
  if (facelets.size() != kFaceletCount || move.size() != 2) return false;
  const int face = FaceIndex(move[0]);
  if (face < 0) return false;
  const int turns = TurnsOf(move[1]);
  for (int t = 0; t < turns; ++t) Apply(facelets, FaceTurns()[face]);
  return true;
}

std::string StandardNotation(std::string_view move) {
  if (move.empty()) return {};
  std::string text(1, move[0]);
  if (move.size() > 1 && move[1] == '2') text += '2';
  if (move.size() > 1 && move[1] == '3') text += '\'';
  return text;
}

}  // namespace petrus
