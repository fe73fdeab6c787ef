// The tables built from the stored sequences, checked against the rules they
// must meet: every case that can occur is filled, and every stored sequence,
// applied to a cube of its case, solves what its stage solves and keeps what
// earlier stages solved.
#include <gtest/gtest.h>

#include "solvers/threestage/CubePieces.h"
#include "solvers/threestage/MoveSequences.h"
#include "solvers/threestage/ThreeStageTables.h"

namespace threestage {
namespace {

Moves ToMoves(const TableSequence& e) { return Moves(e.moves.begin(), e.moves.begin() + e.length); }

// A cube of the case the sequence is stored for: the sequence undone from solved.
Tracked CaseOf(const Moves& solution) {
  Tracked t = SolvedTracked();
  for (auto code : Inverse(solution)) ApplyTurn(t, code);
  return t;
}

bool Home(const Tracked& t, std::initializer_list<int> corners, std::initializer_list<int> edges) {
  const Tracked solved = SolvedTracked();
  for (int c : corners) {
    if (t[c] != solved[c]) return false;
  }
  for (int e : edges) {
    if (t[kCornerCount + e] != solved[kCornerCount + e]) return false;
  }
  return true;
}

TEST(ThreeStageTables, StoredDataIsComplete) {
  const ThreeStageTables& tables = Tables();
  EXPECT_TRUE(tables.dataValid);
  EXPECT_EQ(tables.f2lFilled[kAdjacentFirst], 112896);
  EXPECT_EQ(tables.f2lFilled[kDiagonalFirst], 112896);
  EXPECT_EQ(tables.f2lFilled[kAdjacentSecond], 32400);
  EXPECT_EQ(tables.f2lFilled[kDiagonalSecond], 32400);
  EXPECT_EQ(tables.lastLayerFilled, kReachableLastLayerCases);
}

TEST(ThreeStageTables, CrossTableLeadsHomeInFewestTurns) {
  std::vector<std::uint8_t> distance;
  const std::vector<std::uint8_t> next = BuildCrossTable(&distance);
  int deepest = 0;
  for (int index = 0; index < kCrossCases; ++index) {
    ASSERT_NE(distance[index], 0xFF) << index;
    deepest = std::max(deepest, static_cast<int>(distance[index]));
  }
  EXPECT_EQ(deepest, 8);
  EXPECT_EQ(next[CrossIndex(SolvedTracked())], 0);
}

TEST(ThreeStageTables, EveryF2LEntrySolvesItsCaseAndKeepsTheCross) {
  const ThreeStageTables& tables = Tables();
  struct Half {
    int table;
    std::initializer_list<int> slots, earlier;
  };
  const Half halves[] = {{kAdjacentFirst, {0, 1}, {}},
                         {kAdjacentSecond, {2, 3}, {0, 1}},
                         {kDiagonalFirst, {1, 3}, {}},
                         {kDiagonalSecond, {0, 2}, {1, 3}}};
  for (const Half& h : halves) {
    int checked = 0;
    for (int index = 0; index < F2LTableCases(h.table); ++index) {
      const TableSequence& entry = tables.f2l[h.table][index];
      if (entry.Blank()) continue;
      ASSERT_LE(entry.length, kF2LMaxLength);
      const Moves solution = ToMoves(entry);
      Tracked t = CaseOf(solution);
      ASSERT_EQ(F2LIndex(h.table, t), index) << "table " << h.table;
      ASSERT_TRUE(Home(t, {}, {0, 1, 2, 3})) << "a case starts with the cross solved";
      for (auto code : solution) ApplyTurn(t, code);
      std::vector<int> corners, edges = {0, 1, 2, 3};
      for (int s : h.slots) corners.push_back(s), edges.push_back(4 + s);
      for (int s : h.earlier) corners.push_back(s), edges.push_back(4 + s);
      const Tracked solved = SolvedTracked();
      for (int c : corners) ASSERT_EQ(t[c], solved[c]) << "table " << h.table << " case " << index;
      for (int e : edges) ASSERT_EQ(t[kCornerCount + e], solved[kCornerCount + e]) << "table " << h.table;
      ++checked;
    }
    EXPECT_EQ(checked, F2LTableCases(h.table));
  }
}

TEST(ThreeStageTables, EveryLastLayerEntrySolvesTheCube) {
  const ThreeStageTables& tables = Tables();
  const Tracked solved = SolvedTracked();
  int checked = 0;
  for (int index = 0; index < kLastLayerCases; ++index) {
    if (tables.lastLayer[index] == 0) continue;
    const Moves& solution = tables.lastLayerSolutions[tables.lastLayer[index] - 1];
    ASSERT_LE(solution.size(), static_cast<size_t>(kLastLayerMaxLength));
    Tracked t = CaseOf(solution);
    ASSERT_EQ(LastLayerIndex(t), index);
    ASSERT_TRUE(Home(t, {0, 1, 2, 3}, {0, 1, 2, 3, 4, 5, 6, 7})) << "a case starts with two layers solved";
    for (auto code : solution) ApplyTurn(t, code);
    ASSERT_EQ(t, solved) << "case " << index;
    ++checked;
  }
  EXPECT_EQ(checked, tables.lastLayerFilled);
  EXPECT_TRUE(tables.lastLayerSolutions[tables.lastLayer[LastLayerIndex(solved)] - 1].empty());
}

}  // namespace
}  // namespace threestage
