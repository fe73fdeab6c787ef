// The 2×2×2 search is optimal: compared with an independent breadth-first
// search over the program's cube model.
#include <gtest/gtest.h>

#include <map>

#include "NxNTestCube.h"
#include "solvers/nxn/NxNMoves.h"
#include "solvers/nxn/NxNValidate.h"
#include "solvers/nxn/Solve2x2.h"

namespace {

// Every state within 4 face turns of solved and its distance (face turns of all
// six faces; on a 2×2×2 these reach the same states up to orientation, so the
// distance is taken over cubes turned as a whole to keep the R-D-B corner home).
std::map<std::string, int> Neighbourhood(int depth) {
  static const char* kTokens[] = {"L", "L2", "L'", "U", "U2", "U'", "F", "F2", "F'"};
  std::map<std::string, int> dist = {{nxntest::SolvedNet(2), 0}};
  std::vector<std::string> frontier = {nxntest::SolvedNet(2)};
  for (int d = 1; d <= depth; ++d) {
    std::vector<std::string> next;
    for (const auto& net : frontier)
      for (const char* t : kTokens) {
        const std::string to = nxntest::Apply(2, net, t);
        if (dist.emplace(to, d).second) next.push_back(to);
      }
    frontier.swap(next);
  }
  return dist;
}

// The solver's working cube, every sticker recoloured to its face index + 1.
nxn::Stickers Working(const std::string& net) {
  const std::string faces = input::ToSolverFaces(2, net);
  nxn::Stickers s(faces.begin(), faces.end());
  nxn::Scheme scheme{};
  EXPECT_TRUE(nxn::FindScheme(nxn::GeometryOf(2), s, scheme));
  const auto faceOf = nxn::FaceOfColour(scheme);
  for (auto& v : s) v = static_cast<std::uint8_t>(faceOf[v] + 1);
  return s;
}

TEST(Search2x2, LengthEqualsBreadthFirstDistance) {
  const auto dist = Neighbourhood(4);
  int checked = 0;
  for (const auto& [net, d] : dist) {
    if (checked++ % 7) continue;  // a sample
    for (int mode : {0, 3}) {
      const nxn::MoveList moves = nxn::Solve2x2(Working(net), mode);
      ASSERT_EQ(static_cast<int>(moves.size()), d) << net;
      EXPECT_TRUE(nxntest::IsSolvedNet(nxntest::Apply(2, net, nxn::LongText(2, moves)))) << net;
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST(Search2x2, ModeThreePrefersQuarterTurns) {
  // F2 U2 has optimal length 2 in half turns only; U F has none.
  for (const char* scramble : {"F2 U2", "U F", "L2 F U' L"}) {
    const std::string net = nxntest::Apply(2, nxntest::SolvedNet(2), scramble);
    const auto m0 = nxn::Solve2x2(Working(net), 0);
    const auto m3 = nxn::Solve2x2(Working(net), 3);
    EXPECT_EQ(m0.size(), m3.size()) << scramble;
    auto halves = [](const nxn::MoveList& m) {
      return std::count_if(m.begin(), m.end(), [](nxn::MoveCode c) { return nxn::AmountOf(c) == 2; });
    };
    EXPECT_LE(halves(m3), halves(m0)) << scramble;
  }
}

TEST(Search2x2, EveryStateIsWithinElevenTurns) {
  nxn::Prepare2x2Tables();
  std::mt19937 rng(11);
  for (int i = 0; i < 40; ++i) {
    // Random states, turned so the R-D-B corner is home: only L, U, F layers.
    model::WCube cube;
    cube.Init(2);
    // The model counts Y and Z layers from D and B: L, U, F are layers 0, 1, 1.
    for (int k = 0; k < 60; ++k) {
      const int axis = static_cast<int>(rng() % 3);
      cube.TurnLayer(axis, axis == 0 ? 0 : 1, static_cast<int>(rng() % 2), 0, 0, 0);
    }
    const std::string net = cube.ExportColours();
    const auto moves = nxn::Solve2x2(Working(net), 3);
    EXPECT_LE(moves.size(), 11u);
    EXPECT_EQ(static_cast<int>(moves.size()), nxn::Distance2x2(Working(net)));
    EXPECT_TRUE(nxntest::IsSolvedNet(nxntest::Apply(2, net, nxn::LongText(2, moves))));
  }
}

}  // namespace
