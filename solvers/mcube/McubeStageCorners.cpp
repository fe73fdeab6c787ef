// Stages 3 (the U corners) and 4 (the D corners: positions, then twists).
#include "solvers/mcube/McubeLayerSolver.h"
#include "solvers/mcube/McubeScheme.h"

namespace cube444 {

namespace {

// ---- Stage 3 ------------------------------------------------------------------

// For the colour-1 sticker of the next U corner, by its face and its position
// (1,1), (1,4), (4,1), (4,4) on that face: the sequence that brings the corner to the
// front-left U corner, correctly turned, keeping the other U corners.
struct CornerRow {
  int face;
  const char* moves[4];
};
#define MC_FROM_D "FA.DR.FC.DL.LD.DL.LU."
constexpr CornerRow kUpCorners[] = {
    {kFaceR, {"LD.DL.LU.", "DR.FA.DR.FC.", "RD.LD.DL.RU.LU.", "RU.DR.RD.FA.DR.FC."}},
    {kFaceU, {"", "BA.DR.BC.FA.DL.FC.", "RD.DL.RU.LD.DR.LU.", "BC.DL.BA.DL.LD.DR.LU."}},
    {kFaceB, {"FA.DR.FC.", "BA.FA.DR.BC.FC.", "DL.LD.DL.LU.", "BC.DL.BA.LD.DL.LU."}},
    {kFaceF, {"FA.DL.FC.", "FA.DL.FC.DR.FA.DL.FC.", "DL.LD.DR.LU.", "FC.DR.FA.DR.FA.DR.FC."}},
    {kFaceD, {MC_FROM_D, "DR." MC_FROM_D, "DL." MC_FROM_D, "DL.DL." MC_FROM_D}},
    {kFaceL, {"LD.DR.LU.", "DR.FA.DL.FC.", "LD.DR.LU.DL.LD.DR.LU.", "LU.DL.LD.DL.LD.DL.LU."}},
};
#undef MC_FROM_D

int CornerIndex(FacePosition p) { return (p.a == 4 ? 2 : 0) + (p.b == 4 ? 1 : 0); }

// The U corners in the order they are placed, with the cell their colour 1 ends on.
struct UpCornerGoal {
  std::array<int, 3> colours;
  int cell;
};
constexpr UpCornerGoal kUpCornerGoals[4] = {
    {{1, 3, 2}, FaceCell(kFaceU, 1, 1)},
    {{1, 4, 3}, FaceCell(kFaceU, 4, 1)},
    {{1, 5, 4}, FaceCell(kFaceU, 4, 4)},
    {{1, 2, 5}, FaceCell(kFaceU, 1, 4)},
};

// ---- Stage 4 ------------------------------------------------------------------

// D corner slots 0..3: front-left, front-right, back-right, back-left, and the
// corner that belongs in each.
constexpr std::array<int, 3> kDownCorners[4] = {{6, 2, 3}, {6, 3, 4}, {6, 4, 5}, {6, 5, 2}};

int SlotOf(int cell) {
  const bool front = CellZ(cell) <= 1;
  const bool left = CellX(cell) <= 1;
  if (front) return left ? 0 : 1;
  return left ? 3 : 2;
}

// Whole-cube turns that bring a slot's position to another, and back.
struct Turning {
  const char* there;
  const char* back;
};
// A placed pair of slots (k, k+1) to the back.
constexpr Turning kPairToBack[4] = {{"CR.CR.", "CL.CL."}, {"CR.", "CL."}, {"", ""}, {"CL.", "CR."}};
// Opposite slots k and k+2 to front-left and back-right.
constexpr Turning kOppositeTurn[4] = {{"", ""}, {"CL.", "CR."}, {"", ""}, {"CR.", "CL."}};
// Slot k to the front-left.
constexpr Turning kToFrontLeft[4] = {{"", ""}, {"CL.", "CR."}, {"CR.CR.", "CL.CL."}, {"CR.", "CL."}};
// A pair (k−1, k) to the left side.
constexpr Turning kPairToLeft[4] = {{"", ""}, {"CL.", "CR."}, {"CR.CR.", "CL.CL."}, {"CR.", "CL."}};
// A pair (k−1, k) to the right side.
constexpr Turning kPairToRight[4] = {{"CR.CR.", "CL.CL."}, {"CR.", "CL."}, {"", ""}, {"CL.", "CR."}};

constexpr const char* kSwapBackPair = "RD.DL.RU.FC.DR.FA.RD.DR.RU.DR.DR.";
constexpr const char* kSwapOpposite =
    "RD.DL.RU.FC.DR.FA.RD.DR.RU.DR.CL.RD.DL.RU.FC.DR.FA.RD.DR.RU.DR.DR.CR.";

constexpr const char* kTwistOneFrontRightDown = "RD.DL.RU.DL.RD.DR.DR.RU.DR.DR.";
constexpr const char* kTwistOneOther = "DL.DL.RD.DL.DL.RU.DR.RD.DR.RU.";
constexpr const char* kTwistPairRightDown = "RD.DL.DL.RU.DR.RD.DR.RU.LD.DR.DR.LU.DL.LD.DL.LU.";
constexpr const char* kTwistPairOther = "LD.DR.LU.DR.LD.DL.DL.LU.RD.DL.RU.DL.RD.DR.DR.RU.";
constexpr const char* kTwistOppositeFrontDown =
    "CL.LD.DR.LU.DR.LD.DL.DL.LU.RD.DL.RU.DL.RD.DR.DR.RU."
    "CR.LD.DR.LU.DR.LD.DL.DL.LU.RD.DL.RU.DL.RD.DR.DR.RU.";
constexpr const char* kTwistOppositeOther =
    "RD.DL.DL.RU.DR.RD.DR.RU.LD.DR.DR.LU.DL.LD.DL.LU."
    "CL.RD.DL.DL.RU.DR.RD.DR.RU.LD.DR.DR.LU.DL.LD.DL.LU.CR.";

}  // namespace

int LayerSolver::CornersUp() {
  auto placed = [&] {
    for (const UpCornerGoal& goal : kUpCornerGoals) {
      const auto& c = goal.colours;
      if (FindCorner(grid_, c[0], c[1], c[2]).cell != goal.cell) return false;
    }
    return true;
  };
  return Rounds(placed, [&] {
    for (const UpCornerGoal& goal : kUpCornerGoals) {
      const auto& c = goal.colours;
      const Located found = FindCorner(grid_, c[0], c[1], c[2]);
      for (const CornerRow& row : kUpCorners) {
        if (row.face == found.face) Do(row.moves[CornerIndex(PositionOnFace(found.cell))]);
      }
      Do("CL.");
    }
    return 0;
  });
}

namespace {

// Which D slots hold their own corner, whatever its twist.
std::array<bool, 4> PlacedSlots(const Grid& grid) {
  std::array<bool, 4> placed{};
  for (int k = 0; k < 4; ++k) {
    const auto& c = kDownCorners[k];
    const Located found = FindCorner(grid, c[0], c[1], c[2]);
    placed[k] = found.found() && CellY(found.cell) <= 1 && SlotOf(found.cell) == k;
  }
  return placed;
}

int CountOf(const std::array<bool, 4>& flags) {
  int n = 0;
  for (bool f : flags) n += f ? 1 : 0;
  return n;
}

}  // namespace

int LayerSolver::CornerPositions() {
  auto turnUntilTwoPlaced = [&] {
    for (int turns = 0; turns < 4 && CountOf(PlacedSlots(grid_)) < 2; ++turns) Do("DR.");
  };
  turnUntilTwoPlaced();
  return Rounds([&] { return CountOf(PlacedSlots(grid_)) == 4; },
                [&] {
                  const auto placed = PlacedSlots(grid_);
                  bool done = false;
                  for (int k = 0; k < 4 && !done; ++k) {
                    if (!placed[k] || !placed[(k + 1) % 4]) continue;
                    Do(kPairToBack[k].there);
                    Do(kSwapBackPair);
                    Do(kPairToBack[k].back);
                    done = true;
                  }
                  for (int k = 0; k < 4 && !done; ++k) {
                    if (!placed[k] || !placed[(k + 2) % 4]) continue;
                    Do(kOppositeTurn[k].there);
                    Do(kSwapOpposite);
                    Do(kOppositeTurn[k].back);
                    done = true;
                  }
                  turnUntilTwoPlaced();
                  return 0;
                });
}

int LayerSolver::CornerTwists() {
  // Which slots hold a corner whose colour 6 faces down, and each colour 6's face.
  auto twists = [&](std::array<bool, 4>& correct, std::array<int, 4>& faceOf6) {
    for (int k = 0; k < 4; ++k) {
      const auto& c = kDownCorners[k];
      const Located found = FindCorner(grid_, c[0], c[1], c[2]);
      faceOf6[k] = found.face;
      correct[k] = found.face == kFaceD;
    }
  };
  auto sixAt = [&](int face, int a, int b) { return At(face, a, b) == 6; };
  return Rounds(
      [&] {
        std::array<bool, 4> correct{};
        std::array<int, 4> faceOf6{};
        twists(correct, faceOf6);
        return CountOf(correct) == 4;
      },
      [&] {
        std::array<bool, 4> correct{};
        std::array<int, 4> faceOf6{};
        twists(correct, faceOf6);
        switch (CountOf(correct)) {
          case 3:
            return kUncoveredCase;
          case 1:
            for (int k = 0; k < 4; ++k) {
              if (!correct[k]) continue;
              Do(kToFrontLeft[k].there);
              Do(sixAt(kFaceF, 4, 1) ? kTwistOneFrontRightDown : kTwistOneOther);
              Do(kToFrontLeft[k].back);
              break;
            }
            return 0;
          case 2:
            for (int k = 0; k < 4; ++k) {
              if (!correct[k]) continue;
              if (correct[(k + 3) % 4]) {
                Do(kPairToLeft[k].there);
                Do(sixAt(kFaceR, 1, 1) ? kTwistPairRightDown : kTwistPairOther);
                Do(kPairToLeft[k].back);
                break;
              }
              if (correct[(k + 2) % 4]) {
                Do(kOppositeTurn[k].there);
                Do(sixAt(kFaceF, 4, 1) ? kTwistOppositeFrontDown : kTwistOppositeOther);
                Do(kOppositeTurn[k].back);
                break;
              }
            }
            return 0;
          default:  // none correct
            for (int k = 0; k < 4; ++k) {
              const int before = faceOf6[(k + 3) % 4];
              if (faceOf6[k] != before && faceOf6[k] != -before) continue;
              Do(kPairToRight[k].there);
              Do(sixAt(kFaceR, 1, 1) ? kTwistPairRightDown : kTwistPairOther);
              Do(kPairToRight[k].back);
              return 0;
            }
            return kUncoveredCase;
        }
      });
}

}  // namespace cube444
