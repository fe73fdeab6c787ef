// Stages 1 and 2 (the U and D centres) and 10 (the four side centres).
#include <iterator>

#include "solvers/mcube/McubeLayerSolver.h"

namespace cube444 {

// One row of a centre insertion table: the face the sticker is on, the set-up for
// each of its four centre positions (2,2), (2,3), (3,2), (3,3), then the insertion.
struct InsertionRow {
  int face;
  const char* setUp[4];
  const char* insertion;
};

namespace {

int CentreIndex(FacePosition p) { return (p.a - 2) * 2 + (p.b - 2); }
constexpr FacePosition kCentrePositions[4] = {{2, 2}, {2, 3}, {3, 2}, {3, 3}};

// Stage 1: each insertion adds colour 1 to the U centre through the empty U (2,2).
// The B row inserts with "lD.": "lU." would carry the sticker down to D and on to
// R without filling anything.
constexpr InsertionRow kUpInsertions[] = {
    {kFaceR, {"RU.", "RD.RD.", "", "RD."}, "rU.fA.rD."},
    {kFaceB, {"BC.", "", "BA.BA.", "BA."}, "bC.lD.bA."},
    {kFaceF, {"", "FA.", "FC.", "FA.FA."}, "bC.lU.bA."},
    {kFaceD, {"", "DR.", "DL.", "DL.DL."}, "lD.dR.LD.dR.lU."},
    {kFaceL, {"", "LU.", "LD.", "LD.LD."}, "rD.fC.rU."},
};

// Stage 2: each insertion adds colour 6 to the D centre; the empty D (2,2) leaves
// and D (3,2) or D (2,3) moves on into it.
constexpr InsertionRow kDownInsertions[] = {
    {kFaceR, {"RU.RU.", "RD.", "RU.", ""}, "fA.RD.fC."},
    {kFaceB, {"BC.BC.", "BC.", "BA.", ""}, "lD.BA.lU."},
    {kFaceF, {"FA.", "FC.FC.", "", "FC."}, "lU.FC.lD."},
    {kFaceL, {"LD.", "", "LU.LU.", "LU."}, "fC.LU.fA."},
};

// Net whole-cube turn about the vertical axis, in quarter turns to the right, and
// the tokens that undo it.
constexpr const char* kUndoNetTurn[4] = {"", "CL.", "CR.CR.", "CR."};

}  // namespace

int LayerSolver::FillCentre(int face, int colour, const std::array<int, 5>& searchOrder,
                            const InsertionRow* rows, int rowCount) {
  int netTurn = 0;
  const int code = Rounds(
      [&] { return !FindCentre(grid_, colour, searchOrder).found(); },
      [&] {
        // Bring a slot without the colour to (2,2).
        if (At(face, 2, 2) == colour) {
          if (At(face, 2, 3) != colour) {
            Do("CR.");
            netTurn += 1;
          } else if (At(face, 3, 2) != colour) {
            Do("CL.");
            netTurn += 3;
          } else if (At(face, 3, 3) != colour) {
            Do("CL.CL.");
            netTurn += 2;
          }
        }
        const Located found = FindCentre(grid_, colour, searchOrder);
        for (int i = 0; i < rowCount; ++i) {
          if (rows[i].face != found.face) continue;
          Do(rows[i].setUp[CentreIndex(PositionOnFace(found.cell))]);
          Do(rows[i].insertion);
        }
        return 0;
      });
  if (code == 0) Do(kUndoNetTurn[netTurn % 4]);
  return code;
}

int LayerSolver::CentreUp() {
  return FillCentre(kFaceU, 1, {kFaceL, kFaceF, kFaceR, kFaceB, kFaceD}, kUpInsertions,
                    static_cast<int>(std::size(kUpInsertions)));
}

int LayerSolver::CentreDown() {
  return FillCentre(kFaceD, 6, {kFaceB, kFaceR, kFaceF, kFaceL, kFaceU}, kDownInsertions,
                    static_cast<int>(std::size(kDownInsertions)));
}

// ---- Stage 10: side centres -------------------------------------------------

namespace {

struct SideColour {
  int colour;
  int left;   // the colour of the side to its left
  int right;  // the colour of the side to its right
  std::array<int, 5> othersOrder;  // the faces other than its own, for the finished test
};
// In pass order: each pass fills the side at the front, then "CL." brings the next.
constexpr SideColour kSides[4] = {
    {3, 2, 4, {kFaceL, kFaceU, kFaceR, kFaceD, kFaceB}},
    {4, 3, 5, {kFaceB, kFaceD, kFaceF, kFaceU, kFaceL}},
    {5, 4, 2, {kFaceD, kFaceR, kFaceU, kFaceL, kFaceF}},
    {2, 5, 3, {kFaceU, kFaceF, kFaceD, kFaceB, kFaceR}},
};
constexpr std::array<int, 5> kFrontSearch = {kFaceL, kFaceU, kFaceR, kFaceD, kFaceB};

// A set-up or undo table over the four centre positions (2,2), (2,3), (3,2), (3,3).
using PositionTokens = const char* [4];

// A sticker on B goes through L when L has room for the left neighbour's colour.
constexpr PositionTokens kBackViaLeftL = {"LU.", "", "", "LD."};
constexpr PositionTokens kBackViaLeftB = {"BA.BA.", "BC.", "BA.", ""};
constexpr PositionTokens kBackViaLeftUndoB = {"BC.BC.", "BA.", "BC.", ""};
constexpr PositionTokens kBackViaLeftUndoL = {"LD.", "", "", "LU."};
constexpr const char* kBackViaLeft = "BC.BC.rD.fC.rU.BC.BC.rD.fA.rU.";
// Otherwise through R.
constexpr PositionTokens kBackViaRightR = {"", "RU.", "RD.", "RU.RU."};
constexpr PositionTokens kBackViaRightB = {"", "BA.", "BC.", "BA.BA."};
constexpr PositionTokens kBackViaRightUndoB = {"", "BC.", "BA.", "BC.BC."};
constexpr PositionTokens kBackViaRightUndoR = {"", "RD.", "RU.", "RD.RD."};
constexpr const char* kBackViaRight = "BC.BC.lU.fC.lD.BC.BC.lU.fA.lD.";
// A sticker on L or R goes straight to the front.
constexpr PositionTokens kLeftF = {"FC.FC.", "FC.", "FA.", ""};
constexpr PositionTokens kLeftL = {"LD.LD.", "LD.", "LU.", ""};
constexpr PositionTokens kLeftUndoL = {"LU.LU.", "LU.", "LD.", ""};
constexpr PositionTokens kLeftUndoF = {"FA.FA.", "FA.", "FC.", ""};
constexpr const char* kFromLeft = "LU.LU.bC.rU.bA.LU.LU.bC.rD.bA.";
constexpr PositionTokens kRightF = {"", "FA.", "FC.", "FC.FC."};
constexpr PositionTokens kRightR = {"RD.", "", "RU.RU.", "RU."};
constexpr PositionTokens kRightUndoR = {"RU.", "", "RD.RD.", "RD."};
constexpr PositionTokens kRightUndoF = {"", "FC.", "FA.", "FA.FA."};
constexpr const char* kFromRight = "RD.RD.bC.lD.bA.RD.RD.bC.lU.bA.";

// The first centre position of `face` not holding `colour`; -1 when all hold it.
int FirstSlot(const Grid& grid, int face, int colour) {
  for (int i = 0; i < 4; ++i) {
    const FacePosition p = kCentrePositions[i];
    if (grid[FaceCell(face, p.a, p.b)] != colour) return i;
  }
  return -1;
}

// The first centre position of `face` holding `colour`; -1 when none does.
int FirstWith(const Grid& grid, int face, int colour) {
  for (int i = 0; i < 4; ++i) {
    const FacePosition p = kCentrePositions[i];
    if (grid[FaceCell(face, p.a, p.b)] == colour) return i;
  }
  return -1;
}

}  // namespace

// The first sticker of `colour` on L or R goes to the front's first slot for it.
void LayerSolver::FromSide(int face, int colour) {
  const int at = FirstWith(grid_, face, colour);
  const int slot = FirstSlot(grid_, kFaceF, colour);
  if (at < 0 || slot < 0) return;
  const bool left = face == kFaceL;
  Do((left ? kLeftF : kRightF)[slot]);
  Do((left ? kLeftL : kRightR)[at]);
  Do(left ? kFromLeft : kFromRight);
  Do((left ? kLeftUndoL : kRightUndoR)[at]);
  Do((left ? kLeftUndoF : kRightUndoF)[slot]);
}

void LayerSolver::FromBack(int colour, int leftColour, int rightColour) {
  const int at = FirstWith(grid_, kFaceB, colour);
  if (at < 0) return;
  const int leftSlot = FirstSlot(grid_, kFaceL, leftColour);
  if (leftSlot >= 0) {
    Do(kBackViaLeftL[leftSlot]);
    Do(kBackViaLeftB[at]);
    Do(kBackViaLeft);
    Do(kBackViaLeftUndoB[at]);
    Do(kBackViaLeftUndoL[leftSlot]);
    if (FirstWith(grid_, kFaceL, colour) >= 0) FromSide(kFaceL, colour);
    return;
  }
  const int rightSlot = FirstSlot(grid_, kFaceR, rightColour);
  const int r = rightSlot >= 0 ? rightSlot : 0;
  Do(kBackViaRightR[r]);
  Do(kBackViaRightB[at]);
  Do(kBackViaRight);
  Do(kBackViaRightUndoB[at]);
  Do(kBackViaRightUndoR[r]);
  if (FirstWith(grid_, kFaceR, colour) >= 0) FromSide(kFaceR, colour);
}

void LayerSolver::FillSideCentre(int colour) {
  const SideColour* side = nullptr;
  for (const SideColour& s : kSides)
    if (s.colour == colour) side = &s;
  for (int step = 0; step < 4; ++step) {
    const Located found = FindCentre(grid_, colour, kFrontSearch);
    if (!found.found()) break;
    if (found.face == kFaceB) FromBack(colour, side->left, side->right);
    if (found.face == kFaceL || found.face == kFaceR) FromSide(found.face, colour);
  }
  Do("CL.");
}

int LayerSolver::CentresSide() {
  auto finished = [&] {
    for (const SideColour& s : kSides)
      if (FindCentre(grid_, s.colour, s.othersOrder).found()) return false;
    return true;
  };
  return Rounds(finished, [&] {
    for (const SideColour& s : kSides) FillSideCentre(s.colour);
    return 0;
  });
}

}  // namespace cube444
