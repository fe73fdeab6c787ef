// SolveNxN end to end: every order, solutions checked by applying them to the
// program's cube model.
#include <gtest/gtest.h>

#include "NxNTestCube.h"
#include "solvers/nxn/NxNSolver.h"

namespace {

using nxntest::At;

struct Solved {
  int code;
  nxn::NxNSolution out;
};

Solved Solve(int order, const std::string& net, int mode) {
  Solved r;
  r.code = nxn::SolveNxN(order, input::ToSolverFaces(order, net), mode, r.out);
  return r;
}

TEST(SolveNxN, SolvedCubesNeedNoMoves) {
  nxn::NxNSolution out;
  EXPECT_EQ(nxn::SolveNxN(1, "", 3, out), 0);
  for (int order = 2; order <= 7; ++order)
    for (int mode : {0, 3}) {
      const Solved r = Solve(order, nxntest::SolvedNet(order), mode);
      EXPECT_EQ(r.code, 0) << order;
      EXPECT_EQ(r.out.text, "") << order;
    }
}

TEST(SolveNxN, RefusalsCarryTheirDiagnostics) {
  std::string net = nxntest::SolvedNet(3);
  std::swap(net[At(3, 0, 2, 1)], net[At(3, 1, 0, 1)]);  // the U–F edge flipped
  const Solved r = Solve(3, net, 3);
  EXPECT_EQ(r.code, -3);
  EXPECT_EQ(r.out.text, "Invalid edge parity.");
  EXPECT_TRUE(r.out.moves.empty());

  std::string twisted = nxntest::SolvedNet(2);
  std::swap(twisted[At(2, 0, 1, 1)], twisted[At(2, 1, 0, 1)]);
  std::swap(twisted[At(2, 1, 0, 1)], twisted[At(2, 2, 0, 0)]);
  EXPECT_EQ(Solve(2, twisted, 0).out.text, "Invalid corner parity.");

  nxn::NxNSolution out;
  EXPECT_EQ(nxn::SolveNxN(4, std::string(95, 1), 3, out), -1);  // wrong length
  EXPECT_EQ(out.text, "Invalid colours.");
  EXPECT_EQ(nxn::SolveNxN(8, std::string(384, 1), 3, out), -1);
}

TEST(SolveNxN, OneQuarterTurnFromSolvedAtOrderTwo) {
  const std::string net = nxntest::Apply(2, nxntest::SolvedNet(2), "R");
  const Solved r = Solve(2, net, 0);
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(nxntest::IsSolvedNet(nxntest::Apply(2, net, r.out.text)));
}

void ExpectSolves(int order, const std::string& net, int mode) {
  const Solved r = Solve(order, net, mode);
  ASSERT_GE(r.code, 0) << net;
  EXPECT_EQ(r.code, static_cast<int>(r.out.moves.size()));
  EXPECT_TRUE(nxntest::IsSolvedNet(nxntest::Apply(order, net, r.out.text))) << order << ": " << net;
  EXPECT_TRUE(nxntest::IsSolvedNet(nxntest::Apply(order, net, nxn::LongText(order, r.out.moves)))) << net;
  EXPECT_GE(r.out.orientation3, 0);
  EXPECT_LE(r.out.orientation3, 5);
  if (order >= 4) {
    EXPECT_GE(r.out.orientationN, 1);
    EXPECT_LE(r.out.orientationN, 24);
    EXPECT_LE(r.code, 1022) << "longer than the move log";
  }
}

TEST(SolveNxN, RandomCubesOfEveryOrder) {
  std::mt19937 rng(17);
  const int counts[8] = {0, 0, 10, 4, 4, 3, 1, 1};
  for (int order = 2; order <= 7; ++order)
    for (int i = 0; i < counts[order]; ++i) {
      const std::string net = nxntest::RandomNet(order, rng);
      ExpectSolves(order, net, 3);
      if (order <= 3) ExpectSolves(order, net, 0);
    }
}

}  // namespace
