// The solver's tables are built once on first use and shared read-only: two
// threads that need them at the same moment get the same answers.
#include <gtest/gtest.h>

#include <thread>

#include "NxNTestCube.h"
#include "solvers/nxn/NxNReduce.h"
#include "solvers/nxn/Solve2x2.h"

namespace {

nxn::MoveList ReduceOnce(const std::string& net) {
  const nxn::Geometry& g = nxn::GeometryOf(4);
  const std::string faces = input::ToSolverFaces(4, net);
  nxn::Stickers s(faces.begin(), faces.end());
  nxn::Scheme scheme{};
  nxn::Validate(g, s, scheme);
  nxn::Reduction r;
  nxn::Reduce(g, s, scheme, r);
  return r.moves;
}

TEST(NxNTables, FirstUseFromTwoThreads) {
  std::mt19937 rng(29);
  const std::string net = nxntest::RandomNet(4, rng);
  nxn::MoveList a, b;
  int da = 0, db = 0;
  nxn::Stickers solved2(24);
  for (int i = 0; i < 24; ++i) solved2[i] = static_cast<std::uint8_t>(nxn::GeometryOf(2).face[i] + 1);
  std::thread first([&] { a = ReduceOnce(net); da = nxn::Distance2x2(solved2); });
  std::thread second([&] { b = ReduceOnce(net); db = nxn::Distance2x2(solved2); });
  first.join();
  second.join();
  EXPECT_FALSE(a.empty());
  EXPECT_EQ(a, b);
  EXPECT_EQ(a, ReduceOnce(net));
  EXPECT_EQ(da, 0);
  EXPECT_EQ(db, 0);
}

}  // namespace
