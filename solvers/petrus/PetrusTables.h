#pragma once
// The Petrus solver's fixed algorithm tables. Each entry maps a key to a
// sequence in TrackedCube::Sequence syntax ("U1L3ryrz"); an empty sequence means
// the pieces are already where the step wants them.
//
// Key tables are keyed by a decimal number built from finder results (a facelet
// index, or combinations such as 100 × corner facelet + edge facelet); pattern
// tables (EO, LL12, LL16) by a text read off the cube. A key missing from its
// table means the colouring cannot be solved.
#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace petrus {

enum class Table {
  S1a, S1bCentre, S1bEdge, S1cCentre, S1cEdge,       // stage 1: 2×2×2 block
  S2Corner, S2Edge1, S2Edge2,                         // stage 2: 2×2×3 block
  S4ACorner, S4AEdge, S4AFinish,                      // stage 4: first two layers
  S4BCorner, S4BEdge, S4BFinish, S4LastPair,
  LLEdges, LLCorners,                                 // stage 5: last layer
  EO,                                                 // stage 3: edge orientation
  LL12, LL16,                                         // stage 5 patterns
};
inline constexpr int kTableCount = 20;

struct TableEntry {
  std::string_view key;
  std::string_view sequence;
};

std::span<const TableEntry> Entries(Table table);
const char* TableName(Table table);
// Index of the entry with this key in its table, or −1.
int FindEntry(Table table, std::string_view key);
int FindEntry(Table table, int key);

// How often a run used each entry (for checking that tests reach every entry).
struct TableUsage {
  std::array<std::vector<int>, kTableCount> hits;
  void Count(Table table, int entry);
};

}  // namespace petrus
