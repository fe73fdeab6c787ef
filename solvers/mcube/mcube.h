#pragma once
// mcube: the 4×4×4 colouring check. It tests the painted colours piece by piece
// and then proves the colouring possible by solving it with its own layer solver
// (McubeLayerSolver.h) from up to 24 orientations. The grid and its tokens are
// described in McubeGrid.h and McubeMoves.h.
#include <array>
#include <string>

#include "solvers/mcube/McubeGrid.h"

namespace cube444 {

// Result codes of mcube::Check.
constexpr int kCheckPassed = 0;
constexpr int kNothingLoaded = 1;
constexpr int kBadPieces = 2;         // wrong colour counts, or a missing or impossible piece
constexpr int kStageOutOfRounds = 3;  // the layer solver ran out of rounds or did not finish
constexpr int kWrongHandWing = 4;
constexpr int kUncoveredCase = 5;     // no rule of the layer solver covers it (a twisted corner)
constexpr int kMirroredCorner = 6;

constexpr int kStageCounts = 11;  // stage 4 counts its positions and its twists apart

class mcube {
 public:
  mcube() = default;
  virtual ~mcube() = default;

  // The colour codes 1..6 of the 96 stickers, in their grid cells; other cells are ignored.
  void Load(const Grid& grid);
  // 0 when the colouring is possible; otherwise one of the codes above.
  int Check();

  // How many orientations the check solves from: 4 all 24, 3 one per face up,
  // 2 or less only the first. Above 0 it also removes whole-cube tokens from the texts.
  void SetSearchLevel(int level) { searchLevel_ = level; }
  int SearchLevel() const { return searchLevel_; }

  int Result() const { return result_; }
  // The shortest solution found, as tokens ("RU.dL."), and its counts.
  const std::string& Solution() const { return solution_; }
  int TokenCount() const { return tokenCount_; }
  const std::array<int, kStageCounts>& StageCounts() const { return stageCounts_; }

 private:
  int CheckPieces(Grid& coded) const;
  int SolveOrientations(const Grid& coded);

  Grid grid_{};
  int searchLevel_ = 4;
  bool loaded_ = false;
  int tokenCount_ = 0;
  std::array<int, kStageCounts> stageCounts_{};
  int result_ = kNothingLoaded;
  std::string solution_;
};

}  // namespace cube444
