#include "solvers/nxn/NxNMoves.h"

#include <algorithm>
#include <array>

namespace nxn {

namespace {

constexpr int kCompactLimit = 495;

bool SimplifyOnce(MoveList& moves) {
  const size_t before = moves.size();
  for (size_t i = 0; i < moves.size();) {
    size_t j = i;
    while (j < moves.size() && AxisOf(moves[j]) == AxisOf(moves[i])) ++j;
    std::sort(moves.begin() + i, moves.begin() + j);
    i = j;
  }
  MoveList out;
  for (MoveCode m : moves) {
    if (!out.empty() && AxisOf(out.back()) == AxisOf(m) && LayerOf(out.back()) == LayerOf(m)) {
      const int sum = (AmountOf(out.back()) + AmountOf(m)) & 3;
      out.pop_back();
      if (sum) out.push_back(MakeMove(AxisOf(m), LayerOf(m), sum));
    } else if (AmountOf(m)) {
      out.push_back(m);
    }
  }
  moves.swap(out);
  return moves.size() < before;
}

// Compact letter of a layer; true in `against` when the letter turns against the axis sense.
std::string CompactLetter(int order, int axis, int layer, bool& against) {
  static const char* kFirst = "LUF";
  static const char* kLast = "RDB";
  static const char* kMiddle = "MES";
  const int last = order - 1;
  std::string letter;
  if (layer == 0 || (order == 2 && layer == 1) || layer == last) {
    letter = layer == 0 ? kFirst[axis] : kLast[axis];
  } else if (order == 3) {
    letter = kMiddle[axis];
  } else {  // order 4: the inner layer next to the nearer face, in lower case
    letter = static_cast<char>((layer == 1 ? kFirst[axis] : kLast[axis]) + ('a' - 'A'));
  }
  // L, F, D (and their inner layers), M, E and S turn against the axis sense.
  const char c = static_cast<char>(letter[0] & ~0x20);
  against = c == 'L' || c == 'F' || c == 'D' || c == 'M' || c == 'E' || c == 'S';
  return letter;
}

}  // namespace

void Simplify(MoveList& moves) {
  while (SimplifyOnce(moves)) {
  }
}

MoveList LayerRange(int axis, int from, int to, int amount) {
  MoveList turn;
  for (int layer = from; layer <= to; ++layer) turn.push_back(MakeMove(axis, layer, amount));
  return turn;
}

int BlockTurnCount(int order, const MoveList& moves) {
  int count = 0;
  for (size_t i = 0; i < moves.size();) {
    std::array<int, 8> amount{};  // orders up to 7
    size_t j = i;
    for (; j < moves.size() && AxisOf(moves[j]) == AxisOf(moves[i]); ++j)
      amount[LayerOf(moves[j])] = (amount[LayerOf(moves[j])] + AmountOf(moves[j])) & 3;
    for (int layer = 1; layer < order; ++layer) count += amount[layer] != amount[layer - 1];
    i = j;
  }
  return count;
}

std::string CompactText(int order, const MoveList& moves) {
  static const char* kSuffix[4] = {"", "' ", "2 ", " "};
  std::string text;
  int amount = 0;
  for (MoveCode m : moves) {
    bool against = false;
    text += CompactLetter(order, AxisOf(m), LayerOf(m), against);
    amount = AmountOf(m);
    if (against) amount = 4 - amount;
    text += kSuffix[amount];
  }
  if (amount == 3) text.pop_back();  // a plain turn at the very end has no separator
  return text;
}

std::string LongText(int order, const MoveList& moves) {
  static const char* kP = "LDF";
  static const char* kQ = "RUB";
  static const char* kMiddleFace = "LUB";
  const int n = order;
  std::string text;
  for (MoveCode m : moves) {
    const int axis = AxisOf(m);
    const int d = axis == 1 ? n - 1 - LayerOf(m) : LayerOf(m);
    const char p = kP[axis], q = kQ[axis];
    std::string name;
    char face;
    // Outer layers and the odd middle first: at orders 2 and 3 "N" names do not exist.
    if (d == 0) { name = ""; face = p; }
    else if (d == n - 1) { name = ""; face = q; }
    else if (n % 2 == 1 && d == (n - 1) / 2) { name = "M"; face = kMiddleFace[axis]; }
    else if (d == 1) { name = "N"; face = p; }
    else if (d == n - 2) { name = "N"; face = q; }
    else if (n % 2 == 0 && d == n / 2 - 1) { name = "M"; face = p; }
    else if (n % 2 == 0 && d == n / 2) { name = "M"; face = q; }
    else if (d < n / 2) { name = {'N', static_cast<char>('0' + d + 1)}; face = p; }
    else { name = {'N', static_cast<char>('0' + n - d)}; face = q; }
    // The amount counts in P's clockwise sense; a layer named after Q turns the other way.
    int amount = AmountOf(m);
    if (face == q) amount = 4 - amount;
    static const char* kSuffix[4] = {"", "", "2", "'"};
    text.append(name);
    text.push_back(face);
    text.append(kSuffix[amount]);
    text.push_back(' ');
  }
  return text;
}

std::string SolutionText(int order, const MoveList& moves) {
  if (order <= 4 && moves.size() <= kCompactLimit) return CompactText(order, moves);
  return LongText(order, moves);
}

}  // namespace nxn
