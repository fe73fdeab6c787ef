#include <gtest/gtest.h>

#include <utility>

#include "solvers/mcube/Check444.h"
#include "solvers/mcube/McubeLayerSolver.h"
#include "solvers/mcube/McubeMoves.h"
#include "solvers/mcube/McubeScheme.h"
#include "tests/mcube/FaceletCube444.h"

namespace {

using test444::FaceletCube444;

// Facelet indices of the U centre stickers U (x, z) and of one B centre sticker.
constexpr int kU22 = 9, kU23 = 5, kU32 = 10, kU33 = 6;
constexpr int kBCentre = 53;

cube444::Grid Canonical(const std::string& facelets) {
  cube444::Grid grid = cube444::GridFromFacelets(facelets);
  cube444::ColourCodes codes{};
  EXPECT_TRUE(cube444::DeriveScheme(grid, false, codes));
  cube444::Renumber(grid, codes);
  return grid;
}

std::string Swapped(size_t i, size_t j) {
  std::string s = FaceletCube444::Solved();
  const char first = s.at(i);
  s.at(i) = s.at(j);
  s.at(j) = first;
  return s;
}

TEST(LayerSolver, SolvedGridNeedsNoTokens) {
  cube444::Grid grid = Canonical(FaceletCube444::Solved());
  cube444::LayerSolver solver(grid, 0);
  EXPECT_EQ(solver.Solve(), 0);
  EXPECT_EQ(solver.Solution(), "");
  for (int n : solver.StageCounts()) EXPECT_EQ(n, 0);
}

TEST(LayerSolver, OneTwistedCornerIsUncovered) {
  std::string s = FaceletCube444::Solved();
  // The U-F-R corner: U row 3 col 3, F row 0 col 3, R row 0 col 0.
  const char u = s[15];
  s[15] = s[19];
  s[19] = s[32];
  s[32] = u;
  cube444::Grid grid = Canonical(s);
  cube444::LayerSolver solver(grid, 1);
  EXPECT_EQ(solver.Solve(), cube444::kUncoveredCase);
  EXPECT_EQ(solver.Solution(), "");
}

// One U centre sticker exchanged with a B centre sticker: stage 1 turns the whole
// cube so that the empty slot is at U (2,2), inserts once and turns back.
TEST(LayerSolver, CentreFromTheBackTakesOneInsertion) {
  struct Case {
    int upCell;
    const char* turn;
    const char* undo;
  };
  const Case cases[] = {
      {kU22, "", ""}, {kU23, "CR.", "CL."}, {kU32, "CL.", "CR."}, {kU33, "CL.CL.", "CR.CR."}};
  for (const Case& c : cases) {
    cube444::Grid grid = Canonical(Swapped(c.upCell, kBCentre));
    cube444::LayerSolver solver(grid, 0);  // level 0 keeps the whole-cube tokens
    ASSERT_EQ(solver.Solve(), 0) << c.upCell;
    const int stageOne = solver.StageCounts()[0];
    const std::string text = solver.Solution().substr(0, 3 * stageOne);
    const std::string turn = c.turn, undo = c.undo;
    EXPECT_EQ(text.substr(0, turn.size()), turn) << text;
    EXPECT_EQ(text.substr(text.size() - undo.size()), undo) << text;
    // A set-up of at most two tokens and the three-token insertion.
    EXPECT_LE(stageOne - cube444::TokenCount(turn + undo), 5) << text;
    EXPECT_TRUE(cube444::IsSolved(grid));
  }
}

}  // namespace
