#include "solvers/mcube/McubeMoves.h"

#include <array>
#include <vector>

namespace cube444 {

namespace {

struct LayerLetter {
  char letter;
  int axis;   // −1 for the whole cube
  int layer;
};
constexpr LayerLetter kLayerLetters[] = {
    {'L', 0, 1}, {'l', 0, 2}, {'r', 0, 3}, {'R', 0, 4}, {'D', 1, 1}, {'d', 1, 2}, {'u', 1, 3},
    {'U', 1, 4}, {'F', 2, 1}, {'f', 2, 2}, {'b', 2, 3}, {'B', 2, 4}, {'C', -1, 0},
};

struct DirectionLetter {
  char letter;
  int axis;
  bool positive;
};
constexpr DirectionLetter kDirectionLetters[] = {
    {'U', 0, true}, {'D', 0, false}, {'L', 1, true}, {'R', 1, false}, {'A', 2, true}, {'C', 2, false},
};

// Rotations act on centred coordinates; a cell coordinate c (0..5) is q = 2c − 5.
using Matrix = std::array<std::array<int, 3>, 3>;
// The +90° quarter turn about each axis: x "U" (front to top), y "L" (front to
// left), z "A" (right to top, anticlockwise seen from the front).
constexpr Matrix kPositive[3] = {
    {{{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}},
    {{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}},
    {{{0, -1, 0}, {1, 0, 0}, {0, 0, 1}}},
};

Matrix RotationOf(const Turn& turn) {
  Matrix m = kPositive[turn.axis];
  if (!turn.positive) {
    Matrix t{};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) t[i][j] = m[j][i];
    m = t;
  }
  return m;
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix out{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) out[i][j] += a[i][k] * b[k][j];
  return out;
}

// For every turn, the pairs (from, to) of the cells it moves.
struct CellMove {
  int from;
  int to;
};
using MoveList = std::vector<CellMove>;

MoveList BuildMoves(const Turn& turn) {
  const Matrix m = RotationOf(turn);
  MoveList moves;
  for (int cell = 0; cell < kCells; ++cell) {
    const int c[3] = {CellX(cell), CellY(cell), CellZ(cell)};
    const int along = c[turn.axis];
    bool inside = turn.layer == 0 || along == turn.layer || (turn.layer == 1 && along == 0) ||
                  (turn.layer == 4 && along == 5);
    if (!inside) continue;
    int to[3];
    for (int i = 0; i < 3; ++i) {
      int q = 0;
      for (int k = 0; k < 3; ++k) q += m[i][k] * (2 * c[k] - 5);
      to[i] = (q + 5) / 2;
    }
    const int target = Cell(to[0], to[1], to[2]);
    if (target != cell) moves.push_back({cell, target});
  }
  return moves;
}

// Index: axis × 10 + layer × 2 + positive.
const std::vector<MoveList>& AllMoves() {
  static const std::vector<MoveList> table = [] {
    std::vector<MoveList> out(30);
    for (int axis = 0; axis < 3; ++axis)
      for (int layer = 0; layer <= 4; ++layer)
        for (int positive = 0; positive < 2; ++positive)
          out[axis * 10 + layer * 2 + positive] = BuildMoves({axis, layer, positive == 1});
    return out;
  }();
  return table;
}

}  // namespace

bool ParseToken(std::string_view text, Turn& turn) {
  if (text.size() < kTokenLength || text[2] != '.') return false;
  for (const auto& d : kDirectionLetters) {
    if (d.letter != text[1]) continue;
    for (const auto& l : kLayerLetters) {
      if (l.letter != text[0] || (l.axis != -1 && l.axis != d.axis)) continue;
      turn = {d.axis, l.layer, d.positive};
      return true;
    }
  }
  return false;
}

std::string TokenText(const Turn& turn) {
  std::string out;
  for (const auto& l : kLayerLetters) {
    if (l.layer == turn.layer && (l.axis == turn.axis || l.axis == -1)) out += l.letter;
  }
  for (const auto& d : kDirectionLetters) {
    if (d.axis == turn.axis && d.positive == turn.positive) out += d.letter;
  }
  return out + '.';
}

void ApplyTurn(Grid& grid, const Turn& turn) {
  const MoveList& moves = AllMoves()[turn.axis * 10 + turn.layer * 2 + (turn.positive ? 1 : 0)];
  const Grid before = grid;
  for (const CellMove& m : moves) grid[m.to] = before[m.from];
}

bool ApplyTokens(Grid& grid, std::string_view text) {
  for (size_t i = 0; i < text.size(); i += kTokenLength) {
    Turn turn;
    if (!ParseToken(text.substr(i), turn)) return false;
    ApplyTurn(grid, turn);
  }
  return true;
}

std::string RemoveWholeCubeTurns(std::string_view text) {
  // frame maps a position of the cube as it was at the start to where the
  // whole-cube turns so far have carried it.
  Matrix frame = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); i += kTokenLength) {
    Turn turn;
    if (!ParseToken(text.substr(i), turn)) break;
    if (turn.layer == 0) {
      frame = Multiply(RotationOf(turn), frame);
      continue;
    }
    // The layer at position c along the current axis is, in the starting frame,
    // the layer at sign × c along the axis that frame row names.
    const auto& row = frame[turn.axis];
    int axis = 0;
    while (row[axis] == 0) ++axis;
    const bool flipped = row[axis] < 0;
    out += TokenText({axis, flipped ? 5 - turn.layer : turn.layer, turn.positive != flipped});
  }
  return out;
}

}  // namespace cube444
