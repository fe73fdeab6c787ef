// Every algorithm table entry, checked on its own: run the entry's sequence
// backwards from the state the step must leave (the goal), and the key the step
// would read there must be the entry's key, with the pieces placed by the steps
// before exactly where those steps leave them. A typo in a sequence changes
// where the pieces come from, so the key or the earlier pieces disagree.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "solvers/petrus/PetrusStages.h"
#include "solvers/petrus/PetrusTables.h"
#include "solvers/petrus/TrackedCube.h"

namespace {

using petrus::Table;
using petrus::TrackedCube;

// The inverse of a sequence in TrackedCube syntax.
std::string Inverse(std::string_view sequence) {
  std::string inverse;
  for (size_t i = sequence.size(); i >= 2; i -= 2) {
    const char first = sequence[i - 2], second = sequence[i - 1];
    if (first == 'r') {
      for (int turn = 0; turn < 3; ++turn) inverse.append({first, second});
    } else {
      inverse.append({first, static_cast<char>('0' + 4 - (second - '0'))});
    }
  }
  return inverse;
}

// Colours of the pieces a step works on.
struct Colours {
  int a = 0, b = 0, c = 0;                  // stage 1: the block corner, read from the cube
  int U = 0, F = 0, R = 0, B = 0, L = 0, D = 0;  // the centres
};

Colours Read(const TrackedCube& cube, std::array<int, 3> cornerAt) {
  Colours k;
  k.a = cube.ColourAt(cornerAt[0]);
  k.b = cube.ColourAt(cornerAt[1]);
  k.c = cube.ColourAt(cornerAt[2]);
  k.U = cube.Colour('U', 4), k.F = cube.Colour('F', 4), k.R = cube.Colour('R', 4);
  k.B = cube.Colour('B', 4), k.L = cube.Colour('L', 4), k.D = cube.Colour('D', 4);
  return k;
}

using Key = std::function<std::string(const TrackedCube&, const Colours&)>;
using Pieces = std::function<std::vector<int>(const TrackedCube&, const Colours&)>;

struct TableCheck {
  Table table;
  std::vector<std::string> goals;  // states the step may leave: sequences made on the solved cube
  std::array<int, 3> cornerAt;     // stage 1: where the block corner a, b, c sits before the step
  Key key;
  Pieces pieces;                   // pieces placed before the step …
  std::vector<int> expected;       // … and where they must be
};

std::string Number(int n) { return std::to_string(n); }

// Stage 2 and 4 blocks, by the centres.
std::vector<int> Block223(const TrackedCube& q, const Colours& k) {  // D-B-L column
  return {q.FindCorner(k.D, k.B, k.L), q.FindEdge(k.D, k.B), q.FindEdge(k.D, k.L), q.FindEdge(k.B, k.L)};
}
const std::vector<int> kBlock223 = {51, 52, 48, 32};
std::vector<int> Block232(const TrackedCube& q, const Colours& k) {  // back of D and E
  return {q.FindCorner(k.D, k.L, k.B), q.FindCorner(k.D, k.B, k.R), q.FindEdge(k.D, k.B),
          q.FindEdge(k.D, k.L),        q.FindEdge(k.D, k.R),        q.FindEdge(k.B, k.L),
          q.FindEdge(k.B, k.R)};
}
const std::vector<int> kBlock232 = {51, 53, 52, 48, 50, 32, 30};
std::vector<int> FirstTwoLayers(const TrackedCube& q, const Colours& k) {
  auto pieces = Block232(q, k);
  for (int p : {q.FindCorner(k.D, k.F, k.R), q.FindCorner(k.D, k.L, k.F), q.FindEdge(k.D, k.F),
                q.FindEdge(k.F, k.R), q.FindEdge(k.F, k.L)}) {
    pieces.push_back(p);
  }
  return pieces;
}
std::vector<int> Plus(std::vector<int> a, std::vector<int> b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
const std::vector<int> kFirstTwoLayers = Plus(kBlock232, {47, 45, 46, 14, 12});
const std::vector<std::string> kAnyUpperTurn = {"", "U1", "U2", "U3"};
constexpr std::array<int, 3> kUFL = {6, 9, 38};

std::vector<TableCheck> Checks() {
  return {
      // Stage 1. After orienting, the block corner sits at U-F-L with a on U and b on F.
      {Table::S1a, {""}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.a, k.b)); },
       [](const TrackedCube&, const Colours&) { return std::vector<int>{}; }, {}},
      // The pair goes down to D-F-R, under the centre a.
      {Table::S1bCentre, {"F2"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindCentre(k.a)); },
       [](const TrackedCube& q, const Colours& k) { return std::vector<int>{q.FindEdge(k.a, k.b)}; },
       {7}},
      {Table::S1bEdge, {""}, {47, 17, 24},
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.a, k.c)); },
       [](const TrackedCube& q, const Colours& k) {
         return std::vector<int>{q.FindEdge(k.a, k.b), q.FindCentre(k.a)};
       },
       {46, 4}},
      // The three pieces go to U-R-B, with b facing away from the centre b.
      {Table::S1cCentre, {"U2"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindCentre(k.b)); },
       [](const TrackedCube& q, const Colours& k) {
         return std::vector<int>{q.FindEdge(k.a, k.b), q.FindEdge(k.a, k.c), q.FindCentre(k.a)};
       },
       {7, 3, 4}},
      {Table::S1cEdge, {""}, {2, 27, 20},
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.b, k.c)); },
       [](const TrackedCube& q, const Colours& k) {
         return std::vector<int>{q.FindEdge(k.a, k.b), q.FindEdge(k.a, k.c), q.FindCentre(k.a),
                                 q.FindCentre(k.b)};
       },
       {1, 5, 4, 13}},
      // Stage 2, block at D-B-L: the corner U-B-L goes to D-F-L, pairs with the
      // edge U-B at D-F-R/D-R, then the edge U-L joins them; "U3" ends it.
      {Table::S2Corner, {"U3F3"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindCorner(k.U, k.B, k.L)); },
       Block223, kBlock223},
      {Table::S2Edge1, {"U1R2"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.U, k.B)); },
       [](const TrackedCube& q, const Colours& k) {
         return Plus(Block223(q, k), {q.FindCorner(k.U, k.B, k.L)});
       },
       Plus(kBlock223, {44})},
      {Table::S2Edge2, {"U1"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.U, k.L)); },
       [](const TrackedCube& q, const Colours& k) {
         return Plus(Block223(q, k), {q.FindCorner(k.U, k.B, k.L), q.FindEdge(k.U, k.B)});
       },
       Plus(kBlock223, {47, 50})},
      // Stage 3: all edges oriented, the 2×2×3 block kept.
      {Table::EO, {""}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return petrus::EdgeOrientationPattern(q, k.U, k.F); },
       Block232, kBlock232},
      // Stage 4, way A: the corner D-F-R waits at U-R-B, joins the edge D-F as
      // the F layer turned by F', and after "F3 U2" the edge F-R joins them.
      {Table::S4ACorner, {"F3U3"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindCorner(k.F, k.D, k.R)); },
       Block232, kBlock232},
      {Table::S4AEdge, {"F3"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.F, k.D)); },
       [](const TrackedCube& q, const Colours& k) {
         return Plus(Block232(q, k), {q.FindCorner(k.F, k.D, k.R)});
       },
       Plus(kBlock232, {20})},
      {Table::S4AFinish, {""}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.F, k.R)); },
       [](const TrackedCube& q, const Colours& k) {
         return Plus(Block232(q, k), {q.FindCorner(k.F, k.D, k.R), q.FindEdge(k.F, k.D)});
       },
       Plus(kBlock232, {27, 28})},
      // Way B: the corner waits at U-R-B facing B and joins the edge F-R as the
      // F layer turned by F2; after "F1 U2" the edge D-F joins them.
      {Table::S4BCorner, {"F2U2"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindCorner(k.F, k.D, k.R)); },
       Block232, kBlock232},
      {Table::S4BEdge, {"F2"}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.F, k.R)); },
       [](const TrackedCube& q, const Colours& k) {
         return Plus(Block232(q, k), {q.FindCorner(k.F, k.D, k.R)});
       },
       Plus(kBlock232, {27})},
      {Table::S4BFinish, {""}, kUFL,
       [](const TrackedCube& q, const Colours& k) { return Number(q.FindEdge(k.F, k.D)); },
       [](const TrackedCube& q, const Colours& k) {
         return Plus(Block232(q, k), {q.FindCorner(k.F, k.D, k.R), q.FindEdge(k.F, k.R)});
       },
       Plus(kBlock232, {29, 28})},
      {Table::S4LastPair, {""}, kUFL,
       [](const TrackedCube& q, const Colours& k) {
         return Number(100 * q.FindCorner(k.F, k.L, k.D) + q.FindEdge(k.F, k.L));
       },
       [](const TrackedCube& q, const Colours& k) {
         return Plus(Block232(q, k), {q.FindCorner(k.F, k.D, k.R), q.FindEdge(k.F, k.D), q.FindEdge(k.F, k.R)});
       },
       Plus(kBlock232, {17, 16, 14})},
      // Stage 5: the first two layers stay; the last layer ends solved but for a turn of U.
      {Table::LL12, kAnyUpperTurn, kUFL,
       [](const TrackedCube& q, const Colours&) { return petrus::LabelPattern(q, petrus::LL12Facelets()); },
       FirstTwoLayers, kFirstTwoLayers},
      {Table::LLEdges, kAnyUpperTurn, kUFL,
       [](const TrackedCube& q, const Colours&) { return Number(petrus::EdgePlacesCode(q)); },
       FirstTwoLayers, kFirstTwoLayers},
      {Table::LLCorners, kAnyUpperTurn, kUFL,
       [](const TrackedCube& q, const Colours& k) {
         return Number(petrus::CornerPlacesCode(q, k.U, k.F, k.R, k.B, k.L));
       },
       FirstTwoLayers, kFirstTwoLayers},
      {Table::LL16, kAnyUpperTurn, kUFL,
       [](const TrackedCube& q, const Colours&) { return petrus::LabelPattern(q, petrus::LL16Facelets()); },
       FirstTwoLayers, kFirstTwoLayers},
  };
}

TEST(PetrusTables, EveryEntryLeadsFromItsKeyToTheStepsGoal) {
  const auto checks = Checks();
  ASSERT_EQ(checks.size(), static_cast<size_t>(petrus::kTableCount));
  for (const TableCheck& check : checks) {
    for (const auto& entry : petrus::Entries(check.table)) {
      std::string seen;
      bool matched = false;
      for (const std::string& goal : check.goals) {
        TrackedCube before;
        before.Sequence(goal);
        before.Sequence(Inverse(entry.sequence));
        const Colours colours = Read(before, check.cornerAt);
        const std::string key = check.key(before, colours);
        const std::vector<int> pieces = check.pieces(before, colours);
        if (key == entry.key && pieces == check.expected) {
          matched = true;
          break;
        }
        std::ostringstream report;
        report << " [goal \"" << goal << "\": key " << key << ", pieces";
        for (int p : pieces) report << ' ' << p;
        report << ']';
        seen += report.str();
      }
      EXPECT_TRUE(matched) << petrus::TableName(check.table) << " " << entry.key << " "
                           << entry.sequence << ":" << seen;
    }
  }
}

TEST(PetrusTables, KeysAreUniqueAndSequencesWellFormed) {
  for (int t = 0; t < petrus::kTableCount; ++t) {
    const auto entries = petrus::Entries(static_cast<Table>(t));
    for (size_t i = 0; i < entries.size(); ++i) {
      for (size_t j = 0; j < i; ++j) EXPECT_NE(entries[i].key, entries[j].key);
      const std::string_view s = entries[i].sequence;
      ASSERT_EQ(s.size() % 2, 0u) << s;
      for (size_t k = 0; k < s.size(); k += 2) {
        const bool rotation = s[k] == 'r' && s[k + 1] >= 'x' && s[k + 1] <= 'z';
        const bool move = petrus::FaceIndex(s[k]) >= 0 && s[k + 1] >= '1' && s[k + 1] <= '3';
        EXPECT_TRUE(rotation || move) << s;
      }
    }
  }
}

}  // namespace
