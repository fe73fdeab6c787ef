#include "solvers/mcube/McubeLayerSolver.h"

#include <set>

#include "solvers/mcube/McubeMoves.h"

namespace cube444 {

void LayerSolver::Do(std::string_view tokens) {
  ApplyTokens(grid_, tokens);
  stage_ += tokens;
}

void LayerSolver::EndStage(int index) {
  if (searchLevel_ > 0) stage_ = RemoveWholeCubeTurns(stage_);
  counts_[index] = TokenCount(stage_);
  solution_ += stage_;
  stage_.clear();
}

int LayerSolver::Solve() {
  using Stage = int (*)(LayerSolver&);
  static constexpr Stage kStages[kStageCounts] = {
      [](LayerSolver& s) { return s.CentreUp(); },
      [](LayerSolver& s) { return s.CentreDown(); },
      [](LayerSolver& s) { return s.CornersUp(); },
      [](LayerSolver& s) { return s.CornerPositions(); },
      [](LayerSolver& s) { return s.CornerTwists(); },
      [](LayerSolver& s) { return s.EdgesUp(); },
      [](LayerSolver& s) { return s.EdgesDown(); },
      [](LayerSolver& s) { return s.EdgeUpFront(); },
      [](LayerSolver& s) { return s.MiddleUpper(); },
      [](LayerSolver& s) { return s.MiddleLower(); },
      [](LayerSolver& s) { return s.CentresSide(); },
  };
  solution_.clear();
  counts_.fill(0);
  for (int i = 0; i < kStageCounts; ++i) {
    stage_.clear();
    const int code = kStages[i](*this);
    if (code != 0) {
      solution_.clear();
      return code;
    }
    EndStage(i);
  }
  if (!IsSolved(grid_)) {
    solution_.clear();
    return kStageOutOfRounds;
  }
  return 0;
}

bool IsSolved(const Grid& grid) {
  std::set<int> colours;
  for (int face : {kFaceL, kFaceR, kFaceD, kFaceU, kFaceF, kFaceB}) {
    const int colour = grid[FaceCell(face, 1, 1)];
    for (int a = 1; a <= 4; ++a)
      for (int b = 1; b <= 4; ++b)
        if (grid[FaceCell(face, a, b)] != colour) return false;
    colours.insert(colour);
  }
  return colours.size() == 6;
}

}  // namespace cube444
