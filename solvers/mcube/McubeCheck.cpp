// mcube::Check: the piece tests, then solving from up to 24 orientations.
#include <algorithm>

#include "solvers/mcube/McubeLayerSolver.h"
#include "solvers/mcube/McubeMoves.h"
#include "solvers/mcube/McubePieces.h"
#include "solvers/mcube/McubeScheme.h"
#include "solvers/mcube/mcube.h"

namespace cube444 {

namespace {

constexpr int kStickersPerColour = 16;
constexpr int kCornerStickersPerColour = 4;

// The twelve edges by their colour pairs, first colour first.
constexpr int kEdgePairs[12][2] = {
    {1, 2}, {1, 3}, {1, 4}, {1, 5}, {6, 2}, {6, 3}, {6, 4}, {6, 5}, {2, 3}, {3, 4}, {4, 5}, {5, 2},
};

bool ColourCountsRight(const Grid& grid) {
  std::array<int, kColours + 1> count{};
  for (int cell : StickerCells()) {
    const int colour = grid[cell];
    if (colour < 1 || colour > kColours) return false;
    ++count[colour];
  }
  return std::all_of(count.begin() + 1, count.end(), [](int n) { return n == kStickersPerColour; });
}

bool CornerStickersRight(const Grid& grid) {
  std::array<int, kColours + 1> count{};
  for (const CornerPiece& corner : Corners())
    for (int cell : corner.cells) ++count[grid[cell]];
  return count[0] == 0 && std::all_of(count.begin() + 1, count.end(),
                                      [](int n) { return n == kCornerStickersPerColour; });
}

// Looks for the missing wing of one hand among the wings of the other: -1 when
// there is no second one (the colouring is impossible), else 1 wrong-hand wing.
int SecondOfOtherHand(const Grid& grid, int a, int b, Hand other) {
  const Located first = FindWing(grid, a, b, other);
  if (!first.found()) return -1;
  return FindWing(grid, a, b, other, first.cell).found() ? 1 : -1;
}

}  // namespace

void mcube::Load(const Grid& grid) {
  grid_.fill(0);
  for (int cell : StickerCells()) grid_[cell] = grid[cell];
  loaded_ = true;
}

int mcube::Check() {
  solution_.clear();
  tokenCount_ = 0;
  stageCounts_.fill(0);
  if (!loaded_) return result_ = kNothingLoaded;
  Grid coded = grid_;
  result_ = CheckPieces(coded);
  if (result_ == kCheckPassed) result_ = SolveOrientations(coded);
  return result_;
}

// Steps before solving; renumbers `coded` to the canonical codes on the way.
int mcube::CheckPieces(Grid& coded) const {
  if (!ColourCountsRight(coded)) return kBadPieces;
  ColourCodes codeOf{};
  if (!DeriveScheme(coded, true, codeOf)) return kBadPieces;
  Renumber(coded, codeOf);
  if (!CornerStickersRight(coded)) return kBadPieces;

  bool mirrored = false;
  for (const auto& t : kCanonicalCorners) {
    if (HasCorner(coded, t[0], t[1], t[2])) continue;
    if (!HasCorner(coded, t[0], t[2], t[1])) return kBadPieces;
    mirrored = true;
  }

  bool wrongHand = false;
  for (const auto& pair : kEdgePairs) {
    for (Hand hand : {Hand::A, Hand::B}) {
      if (FindWing(coded, pair[0], pair[1], hand).found()) continue;
      const Hand other = hand == Hand::A ? Hand::B : Hand::A;
      if (SecondOfOtherHand(coded, pair[0], pair[1], other) < 0) return kBadPieces;
      wrongHand = true;
    }
  }
  if (mirrored) return kMirroredCorner;
  if (wrongHand) return kWrongHandWing;
  return kCheckPassed;
}

int mcube::SolveOrientations(const Grid& coded) {
  // Orientations: four turns "CL." about the vertical axis for each of six faces
  // up, the next face reached by "CU." after the 1st, 3rd and 5th, "CA." after the
  // 2nd, 4th and 6th.
  const int orientations = searchLevel_ >= 3 ? 6 : 1;
  const int turnsEach = searchLevel_ >= 4 ? 4 : 1;
  std::string faceTurns;  // whole-cube turns to the current face up
  bool found = false;
  for (int o = 0; o < orientations; ++o) {
    for (int t = 0; t < turnsEach; ++t) {
      std::string prefix = faceTurns;
      for (int i = 0; i < t; ++i) prefix += "CL.";
      Grid grid = coded;
      ApplyTokens(grid, prefix);
      ColourCodes codeOf{};
      if (!DeriveScheme(grid, false, codeOf)) return kBadPieces;
      Renumber(grid, codeOf);

      LayerSolver solver(grid, searchLevel_);
      const int code = solver.Solve();
      if (code != 0) {
        solution_.clear();
        tokenCount_ = 0;
        stageCounts_.fill(0);
        return code;
      }
      std::string text = prefix + solver.Solution();
      if (searchLevel_ > 1) text = RemoveWholeCubeTurns(text);
      if (!found || cube444::TokenCount(text) < tokenCount_) {
        found = true;
        solution_ = text;
        tokenCount_ = cube444::TokenCount(text);
        stageCounts_ = solver.StageCounts();
      }
    }
    faceTurns += o % 2 == 0 ? "CU." : "CA.";
  }
  return kCheckPassed;
}

}  // namespace cube444
