// Move codes against the program's cube model and notation: every code of
// every order, in both text forms, turns the cube as the solver's frame says.
#include <gtest/gtest.h>

#include "NxNTestCube.h"
#include "solvers/nxn/NxNGeometry.h"
#include "solvers/nxn/NxNMoves.h"

namespace {

using nxn::MakeMove;
using nxn::MoveList;

std::string TurnedBySolver(int order, const std::string& net, nxn::MoveCode m) {
  const nxn::Geometry& g = nxn::GeometryOf(order);
  const std::string faces = input::ToSolverFaces(order, net);
  nxn::Stickers s(faces.begin(), faces.end());
  nxn::ApplyTurn(g, s, nxn::AxisOf(m), nxn::LayerOf(m), nxn::AmountOf(m));
  return std::string(s.begin(), s.end());
}

TEST(NxNMoves, EveryCodeMatchesItsTextOnTheCubeModel) {
  std::mt19937 rng(3);
  for (int order = 2; order <= 7; ++order) {
    const std::string net = nxntest::RandomNet(order, rng, 40);
    for (int axis = 0; axis < 3; ++axis)
      for (int layer = 0; layer < order; ++layer)
        for (int amount = 1; amount <= 3; ++amount) {
          const MoveList one = {MakeMove(axis, layer, amount)};
          const std::string expected = TurnedBySolver(order, net, one[0]);
          std::vector<std::string> texts = {nxn::LongText(order, one)};
          if (order <= 4) texts.push_back(nxn::CompactText(order, one));
          for (const auto& text : texts) {
            const std::string turned = nxntest::Apply(order, net, text);
            EXPECT_EQ(input::ToSolverFaces(order, turned), expected)
                << "order " << order << " axis " << axis << " layer " << layer << " amount " << amount
                << " text \"" << text << "\"";
          }
        }
  }
}

struct TextCase {
  int order;
  MoveList moves;
  const char* compact;
  const char* longForm;
};

const TextCase kTexts[] = {
    {3, {MakeMove(0, 1, 1), MakeMove(1, 1, 1), MakeMove(2, 1, 2)}, "M E S2 ", "ML MU' MB2 "},
    {3, {MakeMove(0, 2, 1)}, "R' ", "R' "},
    {3, {MakeMove(0, 0, 1)}, "L", "L "},
    {2, {MakeMove(1, 1, 1), MakeMove(2, 1, 3)}, "D B", "D B "},
    {4, {MakeMove(0, 1, 1), MakeMove(0, 2, 1), MakeMove(2, 1, 2), MakeMove(1, 2, 3)}, "l r' f2 d' ", "NL NR' NF2 ND' "},
    {5, {MakeMove(2, 1, 1), MakeMove(2, 3, 3), MakeMove(1, 2, 1)}, nullptr, "NF NB MU' "},
    {6, {MakeMove(0, 2, 1), MakeMove(0, 3, 1), MakeMove(1, 3, 1)}, nullptr, "ML MR' MD "},
    {7, {MakeMove(0, 2, 1), MakeMove(0, 4, 1), MakeMove(1, 3, 2), MakeMove(2, 5, 3)}, nullptr, "N3L N3R' MU2 NB "},
};

TEST(NxNMoves, TextForms) {
  for (const auto& c : kTexts) {
    if (c.compact) {
      EXPECT_EQ(nxn::CompactText(c.order, c.moves), c.compact) << c.order;
    }
    EXPECT_EQ(nxn::LongText(c.order, c.moves), c.longForm) << c.order;
  }
  // The program's form: compact up to order 4, long above.
  EXPECT_EQ(nxn::SolutionText(3, kTexts[0].moves), kTexts[0].compact);
  EXPECT_EQ(nxn::SolutionText(5, kTexts[5].moves), kTexts[5].longForm);
  EXPECT_EQ(nxn::SolutionText(4, MoveList(496, MakeMove(0, 0, 1))).substr(0, 4), "L L ");
}

TEST(NxNMoves, SimplifyMergesTurnsOfOneAxis) {
  MoveList moves = {MakeMove(0, 3, 1), MakeMove(0, 0, 1), MakeMove(0, 3, 3), MakeMove(1, 0, 2),
                    MakeMove(1, 0, 2), MakeMove(0, 0, 2)};
  nxn::Simplify(moves);
  // L·(r r') cancels, U2 U2 cancels, then L and L2 meet: L3.
  EXPECT_EQ(moves, (MoveList{MakeMove(0, 0, 3)}));
}

struct BlockCase {
  int order;
  MoveList moves;
  int blocks;
  const char* why;
};

const BlockCase kBlocks[] = {
    {4, {}, 0, "nothing"},
    {4, {MakeMove(0, 3, 1)}, 1, "R"},
    {4, {MakeMove(0, 2, 1)}, 2, "an inner layer alone is two block turns"},
    {4, {MakeMove(0, 2, 1), MakeMove(0, 3, 1)}, 1, "r and R together: Rw"},
    {7, {MakeMove(0, 4, 2), MakeMove(0, 6, 2), MakeMove(0, 5, 2)}, 1, "3Rw2 written layer by layer"},
    {4, {MakeMove(1, 0, 1), MakeMove(1, 1, 1), MakeMove(1, 2, 1), MakeMove(1, 3, 1)}, 0, "a whole-cube turn"},
    {5, {MakeMove(1, 0, 1), MakeMove(1, 1, 1), MakeMove(1, 2, 1), MakeMove(1, 3, 1)}, 1, "y with D' (or 4Uw)"},
    {4, {MakeMove(0, 0, 1), MakeMove(0, 3, 1)}, 2, "L and R'"},
    {4, {MakeMove(0, 3, 1), MakeMove(1, 0, 1), MakeMove(0, 3, 3)}, 3, "R U R'"},
    {4, {MakeMove(0, 3, 1), MakeMove(0, 0, 2), MakeMove(0, 3, 3)}, 1, "R L2 R' on one axis is L2"},
    {6, {MakeMove(2, 1, 1), MakeMove(2, 4, 3)}, 4, "two separate inner layers"},
};

TEST(NxNMoves, BlockTurnCountMergesEachAxisRunIntoBlocks) {
  for (const auto& c : kBlocks) EXPECT_EQ(nxn::BlockTurnCount(c.order, c.moves), c.blocks) << c.why;
}

}  // namespace
