// Edge pairing by slice brackets on cubes whose centres are solved and whose
// edges were mixed by outer turns and wing 3-cycles: the centres stay solved,
// no pair is lost, and a fully paired even-order cube ends with an even 3×3×3
// permutation.
#include <gtest/gtest.h>

#include <random>

#include "solvers/nxn/EdgePairing.h"
#include "solvers/nxn/NxNLibrary.h"

namespace {

struct Mixed {
  nxn::Stickers stickers;
  nxn::Scheme scheme;
};

Mixed MixEdges(int order, std::mt19937& rng) {
  const nxn::Geometry& g = nxn::GeometryOf(order);
  const nxn::Library& lib = nxn::LibraryOf(order);
  Mixed m{nxn::Stickers(g.count), {}};
  for (int f = 0; f < 6; ++f) m.scheme[f] = static_cast<std::uint8_t>(f + 1);
  for (int i = 0; i < g.count; ++i) m.stickers[i] = static_cast<std::uint8_t>(g.face[i] + 1);
  auto apply = [&](const nxn::MoveList& moves) {
    for (nxn::MoveCode c : moves) nxn::ApplyTurn(g, m.stickers, nxn::AxisOf(c), nxn::LayerOf(c), nxn::AmountOf(c));
  };
  for (int step = 0; step < 60; ++step) {
    if (rng() % 2) {
      apply({nxn::MakeMove(static_cast<int>(rng() % 3), rng() % 2 ? 0 : order - 1, static_cast<int>(rng() % 3 + 1))});
    } else {
      apply(lib.wingItems[rng() % lib.wingItems.size()].moves);
    }
  }
  return m;
}

bool CentresSolved(const nxn::Geometry& g, const nxn::Stickers& s) {
  for (int c : g.centres)
    if (s[c] != g.face[c] + 1) return false;
  return true;
}

TEST(EdgePairing, BracketsKeepTheCentresAndNeverLoseAPair) {
  std::mt19937 rng(11);
  for (int order = 4; order <= 7; ++order)
    for (int i = 0; i < 3; ++i) {
      const nxn::Geometry& g = nxn::GeometryOf(order);
      Mixed m = MixEdges(order, rng);
      const int before = nxn::UnpairedEdges(g, m.stickers);
      nxn::Stickers replayed = m.stickers;
      nxn::MoveList moves;
      nxn::PairEdgesBySlices(g, m.stickers, m.scheme, moves);
      for (nxn::MoveCode c : moves) nxn::ApplyTurn(g, replayed, nxn::AxisOf(c), nxn::LayerOf(c), nxn::AmountOf(c));
      EXPECT_EQ(replayed, m.stickers) << "the moves are not what was done, order " << order;
      EXPECT_TRUE(CentresSolved(g, m.stickers)) << "order " << order;
      const int after = nxn::UnpairedEdges(g, m.stickers);
      EXPECT_LE(after, before) << "order " << order;
      if (after == 0 && order % 2 == 0) {
        EXPECT_EQ(nxn::OuterParity(g, m.stickers, m.scheme) & 1, 0) << "order " << order;
      }
    }
}

}  // namespace
