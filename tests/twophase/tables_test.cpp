#include <gtest/gtest.h>

#include <vector>

#include "FaceletModel.h"
#include "SharedTables.h"
#include "solvers/twophase/CKube.h"
#include "solvers/twophase/KubeLayout.h"

namespace {

using namespace twophase;
using twophase_test::ReadyTables;

std::vector<unsigned> EntriesPerDistance(const PruneTable& table) {
  std::vector<unsigned> counts;
  for (std::uint32_t k = 0; k < table.EntryCount(); ++k) {
    const auto d = static_cast<std::size_t>(table.Get(k));
    if (counts.size() <= d) counts.resize(d + 1);
    ++counts[d];
  }
  return counts;
}

TEST(PruneTables, Fingerprints) {
  const auto& t = ReadyTables();
  EXPECT_EQ(EntriesPerDistance(t.pruneA),
            (std::vector<unsigned>{1, 4, 46, 504, 5662, 61008, 549711, 2422226, 1431344, 8470}));
  EXPECT_EQ(EntriesPerDistance(t.pruneB),
            (std::vector<unsigned>{1, 4, 50, 586, 6184, 54066, 296322, 582492, 142520, 340}));
  EXPECT_EQ(EntriesPerDistance(t.pruneC),
            (std::vector<unsigned>{1, 4, 50, 532, 4804, 41832, 238263, 555636, 172314, 324}));
  EXPECT_EQ(EntriesPerDistance(t.pruneD),
            (std::vector<unsigned>{1, 10, 67, 404, 2023, 8504, 28545, 69734, 127540, 179700, 189120, 199200,
                                   116112, 44416, 2304}));
  EXPECT_EQ(EntriesPerDistance(t.pruneE),
            (std::vector<unsigned>{1, 10, 67, 456, 3063, 18202, 86691, 290812, 434814, 120488, 11818, 1114,
                                   144}));
  EXPECT_EQ(t.pruneA.EntryCount(), 4478976u);
  EXPECT_EQ(t.pruneB.Bytes().size(), 541283u);
  EXPECT_EQ(t.pruneB.Bytes().back() >> 4, PruneTable::kUnset) << "padding nibble";
}

// Every entry is an exact distance: the goal alone is 0, and every other entry
// d has a neighbour at d − 1 and none below it. With the move tables checked
// against turned cubes, this proves the tables without trusting their builder.
TEST(PruneTables, EveryEntryIsItsDistance) {
  const auto& t = ReadyTables();
  for (const PruneTable* table : {&t.pruneA, &t.pruneB, &t.pruneC, &t.pruneD, &t.pruneE}) {
    const std::uint32_t columns = table->ColumnTable().Count();
    EXPECT_EQ(table->Get(table->GoalEntry()), 0) << table->Name();
    std::uint32_t bad = 0;
    for (std::uint32_t k = 0; k < table->EntryCount(); ++k) {
      const int d = table->Get(k);
      if (d > PruneTable::kMaxDistance || (d == 0) != (k == table->GoalEntry())) {
        ++bad;
        continue;
      }
      int nearest = 99;
      for (int face = 0; face < kMoveFaceCount; ++face) {
        const int turns = table->IsPhase2() && !IsQuarterTurnFaceInPhase2(face) ? 1 : 3;
        auto row = static_cast<std::uint16_t>(k / columns);
        auto column = static_cast<std::uint16_t>(k % columns);
        for (int i = 0; i < turns; ++i) {
          row = table->RowTable().Next(row, face);
          column = table->ColumnTable().Next(column, face);
          nearest = std::min(nearest, table->Lookup(row, column));
        }
      }
      if (d > 0 && nearest != d - 1) ++bad;
    }
    EXPECT_EQ(bad, 0u) << table->Name();
  }
}

// Cubes in the phase-2 group: only U, D and half turns of the others.
CKube Phase2Cube(std::mt19937& rng) {
  CKube cube;
  for (int i = 0; i < 30; ++i) {
    const int face = static_cast<int>(rng() % 6);
    cube.Move(face, IsQuarterTurnFaceInPhase2(face) ? 1 + static_cast<int>(rng() % 3) : 2);
  }
  return cube;
}

TEST(MoveTables, Phase2EntriesMatchTurnedCubes) {
  const auto& t = ReadyTables();
  std::mt19937 rng(5);
  for (int trial = 0; trial < 300; ++trial) {
    const CKube cube = Phase2Cube(rng);
    for (int face = 0; face < kMoveFaceCount; ++face) {
      CKube moved = cube;
      moved.Move(face, Phase2TurnCount(face));
      EXPECT_EQ(t.cornerPerm.Next(cube.CornerPermutationCoord(), face), moved.CornerPermutationCoord());
      EXPECT_EQ(t.udEdgePerm.Next(cube.UDEdgePermutationCoord(), face), moved.UDEdgePermutationCoord());
      EXPECT_EQ(t.slicePerm.Next(cube.SliceEdgePermutationCoord(), face), moved.SliceEdgePermutationCoord());
    }
  }
}

TEST(MoveTables, Phase2HalfTurnsAreInvolutions) {
  const auto& t = ReadyTables();
  for (const MvTable* table : {static_cast<const MvTable*>(&t.cornerPerm), static_cast<const MvTable*>(&t.udEdgePerm),
                               static_cast<const MvTable*>(&t.slicePerm)}) {
    for (std::uint16_t a = 0; a < table->Count(); ++a) {
      for (int face : {kR, kL, kF, kB}) {
        ASSERT_EQ(table->Next(table->Next(a, face), face), a) << face;
      }
      for (int face : {kU, kD}) {
        std::uint16_t b = a;
        for (int i = 0; i < 4; ++i) b = table->Next(b, face);
        ASSERT_EQ(b, a) << face;
      }
    }
  }
}

}  // namespace
