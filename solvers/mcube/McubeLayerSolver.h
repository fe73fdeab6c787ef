#pragma once
// The 4×4×4 layer solver behind mcube's check. It works on a grid already
// renumbered to the canonical codes (McubeScheme.h) and solves it in ten stages:
//   1 U centre, 2 D centre, 3 U corners, 4 D corners (positions, then twists),
//   5 three U edges, 6 D edges, 7 the U-F edge, 8 upper and 9 lower middle wings,
//   10 side centres.
// Every step is a fixed token sequence picked from a case table by where the next
// piece lies. Each stage works in rounds and fails after its tenth.
#include <array>
#include <string>
#include <string_view>

#include "solvers/mcube/McubeGrid.h"
#include "solvers/mcube/McubePieces.h"
#include "solvers/mcube/mcube.h"

namespace cube444 {

struct InsertionRow;  // a case table row of the centre stages

class LayerSolver {
 public:
  // searchLevel > 0: each stage's text is written without whole-cube tokens.
  LayerSolver(Grid& grid, int searchLevel) : grid_(grid), searchLevel_(searchLevel) {}

  // 0 solved (the grid ends solved), 3 a stage ran out of rounds or the end state is
  // not solved, 5 an arrangement no rule covers. On failure the solution is empty.
  int Solve();
  const std::string& Solution() const { return solution_; }
  const std::array<int, kStageCounts>& StageCounts() const { return counts_; }

 private:
  // Runs rounds until `goal` holds; a round returns 0 or a failure code. The end of
  // the tenth round fails the stage.
  template <class Goal, class Round>
  int Rounds(Goal goal, Round round);

  void Do(std::string_view tokens);
  int At(int face, int a, int b) const { return grid_[FaceCell(face, a, b)]; }
  void EndStage(int index);

  int FillCentre(int face, int colour, const std::array<int, 5>& searchOrder,
                 const InsertionRow* rows, int rowCount);
  void FillSideCentre(int colour);
  void FromBack(int colour, int leftColour, int rightColour);
  void FromSide(int face, int colour);

  int CentreUp();
  int CentreDown();
  int CornersUp();
  int CornerPositions();
  int CornerTwists();
  int EdgesUp();
  int EdgesDown();
  int EdgeUpFront();
  int MiddleUpper();
  int MiddleLower();
  int CentresSide();

  Grid& grid_;
  int searchLevel_;
  std::string stage_;
  std::string solution_;
  std::array<int, kStageCounts> counts_{};
};

// True when every face shows one colour and the six colours differ.
bool IsSolved(const Grid& grid);

template <class Goal, class Round>
int LayerSolver::Rounds(Goal goal, Round round) {
  constexpr int kRoundLimit = 10;
  for (int done = 0;;) {
    if (goal()) return 0;
    const int code = round();
    if (code != 0) return code;
    if (++done == kRoundLimit) return kStageOutOfRounds;
  }
}

}  // namespace cube444
