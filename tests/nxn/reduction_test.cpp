// Reduction of random cubes of orders 4..7: after the moves (applied by the
// program's cube model) every centre is solved, every edge paired and the
// outer layers form a solvable 3×3×3.
#include <gtest/gtest.h>

#include <set>

#include "NxNTestCube.h"
#include "solvers/nxn/NxNReduce.h"

namespace {

using nxntest::At;

bool Uniform(const std::string& net, int n, int face, int r0, int r1, int c0, int c1) {
  const char c = net[At(n, face, r0, c0)];
  for (int r = r0; r <= r1; ++r)
    for (int k = c0; k <= c1; ++k)
      if (net[At(n, face, r, k)] != c) return false;
  return true;
}

bool IsReduced(const std::string& net, int n) {
  for (int f = 0; f < 6; ++f) {
    const int a = 1, b = n - 2;
    if (!Uniform(net, n, f, a, b, a, b) || !Uniform(net, n, f, 0, 0, a, b) || !Uniform(net, n, f, n - 1, n - 1, a, b) ||
        !Uniform(net, n, f, a, b, 0, 0) || !Uniform(net, n, f, a, b, n - 1, n - 1))
      return false;
  }
  return true;
}

std::string OuterView(const std::string& net, int n) {
  const int line[3] = {0, n / 2, n - 1};
  std::string view;
  for (int f = 0; f < 6; ++f)
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) view += net[At(n, f, line[r], line[c])];
  return view;
}

// `out`, when given, receives the reduction.
void CheckReduction(int order, const std::string& net, nxn::Reduction* out = nullptr) {
  const nxn::Geometry& g = nxn::GeometryOf(order);
  const std::string faces = input::ToSolverFaces(order, net);
  nxn::Stickers s(faces.begin(), faces.end());
  nxn::Scheme scheme{};
  ASSERT_EQ(nxn::Validate(g, s, scheme), 0);
  nxn::Reduction r;
  ASSERT_TRUE(nxn::Reduce(g, s, scheme, r)) << net;
  EXPECT_GE(r.orientation, 1);
  EXPECT_LE(r.orientation, 24);
  const std::string reduced = nxntest::Apply(order, net, nxn::LongText(order, r.moves));
  EXPECT_TRUE(IsReduced(reduced, order)) << net;
  const std::string view = input::ToSolverFaces(3, OuterView(reduced, order));
  nxn::Stickers v(view.begin(), view.end());
  EXPECT_EQ(nxn::Validate(nxn::GeometryOf(3), v, scheme), 0) << "outer layers not a solvable 3x3x3: " << net;
  if (out) *out = r;
}

// Order 7 is reduced (and finished) in the solver's own test.
TEST(NxNReduction, RandomCubesOfOrdersFourToSix) {
  std::mt19937 rng(5);
  const int counts[7] = {0, 0, 0, 0, 3, 2, 1};
  for (int order = 4; order <= 6; ++order)
    for (int i = 0; i < counts[order]; ++i) CheckReduction(order, nxntest::RandomNet(order, rng));
}

// A big cube turned by its outer layers only is a 3×3×3 in disguise: its
// centres are solved and its edges paired, whatever corner moved away from
// home, so the reduction has nothing to do (whole-cube turns are free).
TEST(NxNReduction, OuterTurnScramblesNeedNoReduction) {
  std::mt19937 rng(17);
  for (int order = 4; order <= 7; ++order)
    for (int i = 0; i < 3; ++i) {
      model::WCube cube;
      cube.Init(order);
      for (int t = 0; t < 20; ++t)
        cube.TurnLayer(static_cast<int>(rng() % 3), rng() % 2 ? 0 : order - 1, static_cast<int>(rng() % 2), 0, 0, 0);
      nxn::Reduction r;
      CheckReduction(order, cube.ExportColours(), &r);
      EXPECT_EQ(nxn::BlockTurnCount(order, r.moves), 0) << "order " << order << ": " << nxn::LongText(order, r.moves);
    }
}

TEST(NxNReduction, TheTwentyFourOrientationsAreDistinct) {
  const nxn::Geometry& g = nxn::GeometryOf(4);
  std::set<std::vector<int>> rotations(g.rotation.begin(), g.rotation.end());
  EXPECT_EQ(rotations.size(), 24u);
}

}  // namespace
