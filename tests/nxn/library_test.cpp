// The reduction's move library, checked against the cube itself: every item,
// replayed on a cube of labelled stickers, moves exactly the pieces its
// transfers name and costs what it says; every 3-cycle of every centre and
// wing orbit has a sequence; and the per-position lists index the items and
// the transfers that fill and empty each position.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "solvers/nxn/NxNLibrary.h"

namespace {

using Labels = std::vector<int>;

// After the moves, labels[p] is the sticker whose content is now at p.
Labels Replay(const nxn::Geometry& g, const nxn::MoveList& moves) {
  Labels labels(g.count);
  for (int s = 0; s < g.count; ++s) labels[s] = s;
  for (nxn::MoveCode m : moves) nxn::ApplyTurn(g, labels, nxn::AxisOf(m), nxn::LayerOf(m), nxn::AmountOf(m));
  return labels;
}

bool IsCentre(const nxn::Geometry& g, int s) {
  for (int c : g.centres)
    if (c == s) return true;
  return false;
}

// The centres no layer turn moves: the middles of the faces at odd orders.
bool IsFixedCentre(const nxn::Geometry& g, int s) {
  if (g.n % 2 == 0 || !IsCentre(g, s)) return false;
  int atMiddle = 0;
  for (int a = 0; a < 3; ++a) atMiddle += g.cubie[s][a] == g.n / 2;
  return atMiddle == 2;
}

// A 3-cycle as the set of its transfers, whatever order they are listed in.
using CycleSet = std::set<std::pair<int, int>>;

CycleSet SetOf(const std::vector<nxn::Transfer>& transfers) {
  CycleSet set;
  for (const auto& t : transfers) set.insert({t.to, t.from});
  return set;
}

// Both 3-cycles of every three positions of each orbit.
std::set<CycleSet> EveryCycle(const std::vector<std::vector<int>>& orbits) {
  std::set<CycleSet> all;
  for (const auto& orbit : orbits)
    for (size_t i = 0; i < orbit.size(); ++i)
      for (size_t j = i + 1; j < orbit.size(); ++j)
        for (size_t k = j + 1; k < orbit.size(); ++k) {
          const int a = orbit[i], b = orbit[j], c = orbit[k];
          all.insert(CycleSet{std::pair{a, b}, std::pair{b, c}, std::pair{c, a}});
          all.insert(CycleSet{std::pair{a, c}, std::pair{c, b}, std::pair{b, a}});
        }
  return all;
}

class Library : public ::testing::TestWithParam<int> {};

TEST_P(Library, CentreItemsMoveExactlyTheirTransfers) {
  const nxn::Geometry& g = nxn::GeometryOf(GetParam());
  const nxn::Library& lib = nxn::LibraryOf(GetParam());
  ASSERT_FALSE(lib.centreItems.empty());
  std::set<CycleSet> cycles;
  for (size_t i = 0; i < lib.centreItems.size(); ++i) {
    const nxn::LibraryItem& item = lib.centreItems[i];
    SCOPED_TRACE(testing::Message() << "centre item " << i);
    const Labels l = Replay(g, item.moves);
    std::vector<nxn::Transfer> moved;
    for (int c : g.centres)
      if (l[c] != c) moved.push_back({c, l[c]});
    ASSERT_EQ(SetOf(moved), SetOf(item.transfers));
    ASSERT_EQ(moved.size(), item.transfers.size());
    for (const auto& t : moved) ASSERT_FALSE(IsFixedCentre(g, t.to));
    ASSERT_EQ(item.cost, nxn::BlockTurnCount(g.n, item.moves));
    if (item.transfers.size() == 3) cycles.insert(SetOf(item.transfers));
  }
  // Every 3-cycle of centres that layer turns can exchange has a sequence.
  std::vector<std::vector<int>> orbits;
  std::vector<int> orbitIndex(g.count, -1);
  for (int c : g.centres) {
    if (IsFixedCentre(g, c)) continue;
    int& at = orbitIndex[g.orbit[c]];
    if (at < 0) {
      at = static_cast<int>(orbits.size());
      orbits.emplace_back();
    }
    orbits[at].push_back(c);
  }
  for (const CycleSet& cycle : EveryCycle(orbits)) EXPECT_TRUE(cycles.count(cycle)) << "a centre 3-cycle has no sequence";
}

TEST_P(Library, WingItemsMoveThreeWingsAndNothingElse) {
  const nxn::Geometry& g = nxn::GeometryOf(GetParam());
  const nxn::Library& lib = nxn::LibraryOf(GetParam());
  std::vector<int> wingOf(g.count, -1), slotOf(g.count, -1);
  for (size_t w = 0; w < g.wings.size(); ++w)
    for (int i = 0; i < 2; ++i) {
      wingOf[g.wings[w][i]] = static_cast<int>(w);
      slotOf[g.wings[w][i]] = i;
    }
  std::set<CycleSet> cycles;
  for (size_t i = 0; i < lib.wingItems.size(); ++i) {
    const nxn::LibraryItem& item = lib.wingItems[i];
    SCOPED_TRACE(testing::Message() << "wing item " << i);
    ASSERT_EQ(item.transfers.size(), 3u);
    const Labels l = Replay(g, item.moves);
    std::vector<nxn::Transfer> moved;
    for (int s = 0; s < g.count; ++s) {
      if (l[s] == s) continue;
      ASSERT_GE(wingOf[s], 0) << "a sticker other than a wing's moves";
      // A wing arrives whole and the right way round.
      ASSERT_EQ(slotOf[s], slotOf[l[s]]);
      if (slotOf[s] == 0) moved.push_back({wingOf[s], wingOf[l[s]]});
    }
    ASSERT_EQ(SetOf(moved), SetOf(item.transfers));
    ASSERT_EQ(item.cost, nxn::BlockTurnCount(g.n, item.moves));
    cycles.insert(SetOf(item.transfers));
  }
  // Wings of one orbit are those whose first sticker shares a centre-like orbit id.
  std::vector<std::vector<int>> orbits;
  std::vector<int> orbitIndex(g.count, -1);
  for (size_t w = 0; w < g.wings.size(); ++w) {
    int& at = orbitIndex[g.orbit[g.wings[w][0]]];
    if (at < 0) {
      at = static_cast<int>(orbits.size());
      orbits.emplace_back();
    }
    orbits[at].push_back(static_cast<int>(w));
  }
  for (const CycleSet& cycle : EveryCycle(orbits)) EXPECT_TRUE(cycles.count(cycle)) << "a wing 3-cycle has no sequence";
}

TEST_P(Library, PositionListsIndexTheTransfersInAndOut) {
  const nxn::Geometry& g = nxn::GeometryOf(GetParam());
  const nxn::Library& lib = nxn::LibraryOf(GetParam());
  auto check = [](const std::vector<nxn::LibraryItem>& items, const std::vector<std::vector<nxn::ItemAt>>& into) {
    std::set<std::pair<int, int>> listed, expected;
    std::vector<CycleSet> transfers;
    for (const auto& item : items) transfers.push_back(SetOf(item.transfers));
    for (size_t p = 0; p < into.size(); ++p)
      for (const nxn::ItemAt& e : into[p]) {
        listed.insert({static_cast<int>(p), e.item});
        ASSERT_LT(static_cast<size_t>(e.item), items.size());
        EXPECT_TRUE(transfers[e.item].count({static_cast<int>(p), e.fillsFrom}));
        EXPECT_TRUE(transfers[e.item].count({e.emptiesTo, static_cast<int>(p)}));
      }
    for (size_t i = 0; i < items.size(); ++i)
      for (const auto& t : items[i].transfers) expected.insert({t.to, static_cast<int>(i)});
    EXPECT_EQ(listed, expected);
  };
  ASSERT_EQ(lib.centreItemsInto.size(), static_cast<size_t>(g.count));
  ASSERT_EQ(lib.wingItemsInto.size(), g.wings.size());
  check(lib.centreItems, lib.centreItemsInto);
  check(lib.wingItems, lib.wingItemsInto);
}

INSTANTIATE_TEST_SUITE_P(Orders, Library, ::testing::Range(4, 8));

}  // namespace
