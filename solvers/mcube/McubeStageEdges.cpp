// Stages 5 (three U edges), 6 (the D edges) and 7 (the U-F edge).
#include "solvers/mcube/McubeLayerSolver.h"

namespace cube444 {

namespace {

// A rule picks a sequence by one coordinate of the located sticker ('*': any).
struct CoordinateRule {
  char axis;
  int value;
  const char* moves;
};
// The rules for a sticker on one face, tested in order; up to four.
struct WingRules {
  int face;
  CoordinateRule byHand[2][4];  // [Hand A, Hand B]
};

bool Matches(const CoordinateRule& rule, int cell) {
  switch (rule.axis) {
    case 'x': return CellX(cell) == rule.value;
    case 'y': return CellY(cell) == rule.value;
    case 'z': return CellZ(cell) == rule.value;
    case '*': return true;
    default: return false;  // an unused slot of the table
  }
}

const char* RuleFor(const WingRules* table, int rows, Hand hand, const Located& found) {
  for (int i = 0; i < rows; ++i) {
    if (table[i].face != found.face) continue;
    for (const CoordinateRule& rule : table[i].byHand[hand == Hand::A ? 0 : 1]) {
      if (Matches(rule, found.cell)) return rule.moves;
    }
  }
  return "";
}

// Stage 5: bring a U wing, by the face of its colour-1 sticker, into the U-F edge.
constexpr WingRules kUpWings[] = {
    {kFaceR,
     {{{'z', 1, "dR.FC.dL.FA."}, {'z', 4, "uR.FA.uR.FC."}, {'y', 4, "RU.uR.RD.FA.uR.FC."},
       {'y', 1, "RD.uR.RU.FA.uR.FC."}},
      {{'z', 1, "uR.FC.uL.FA."}, {'z', 4, "dR.FA.dR.FC."}, {'y', 4, "RU.dR.RD.FA.dR.FC."},
       {'y', 1, "RD.dR.RU.FA.dR.FC."}}}},
    {kFaceU,
     {{{'x', 1, "LD.dR.LU.dR.FC.dL.FA."}, {'z', 1, ""}, {'x', 4, "RD.uL.RU.uL.FA.uR.FC."},
       {'z', 4, "BA.dL.dL.BC.dR.FC.dL.FA."}},
      {{'x', 1, "LD.uR.LU.uR.FC.uL.FA."}, {'z', 1, ""}, {'x', 4, "RD.dL.RU.dL.FA.dR.FC."},
       {'z', 4, "BC.dR.dR.BA.dL.FA.dR.FC."}}}},
    {kFaceB,
     {{{'x', 1, "FA.uR.FC."}, {'x', 4, "FC.dL.FA."}, {'y', 1, "DL.RD.uR.RU.FA.uR.FC.DR."},
       {'y', 4, "BC.dL.BA.dR.FC.dL.FA."}},
      {{'x', 1, "FA.dR.FC."}, {'x', 4, "FC.uL.FA."}, {'y', 1, "DL.RD.dR.RU.FA.dR.FC.DR."},
       {'y', 4, "BA.dR.BC.dL.FA.dR.FC."}}}},
    {kFaceF,
     {{{'x', 1, "dR.dR.FC.dL.FA."}, {'x', 4, "uL.uL.FA.uR.FC."}, {'y', 4, "FC.uR.FA.uR.FA.uR.FC."},
       {'y', 1, "FA.uR.FC.uR.FA.uR.FC."}},
      {{'x', 1, "uR.uR.FC.uL.FA."}, {'x', 4, "dL.dL.FA.dR.FC."}, {'y', 4, "FA.uL.FC.uL.FC.uL.FA."},
       {'y', 1, "FC.uL.FA.uL.FC.uL.FA."}}}},
    {kFaceD,
     {{{'x', 1, "DR.DR.RU.uL.RD.uL.FA.uR.FC.DL.DL."}, {'z', 1, "DR.RU.uL.RD.uL.FA.uR.FC.DL."},
       {'x', 4, "RU.uL.RD.uL.FA.uR.FC."}, {'z', 4, "DL.RU.uL.RD.uL.FA.uR.FC.DR."}},
      {{'x', 1, "DR.DR.RU.dL.RD.dL.FA.dR.FC.DL.DL."}, {'z', 1, "DR.RU.dL.RD.dL.FA.dR.FC.DL."},
       {'x', 4, "RU.dL.RD.dL.FA.dR.FC."}, {'z', 4, "DL.RU.dL.RD.dL.FA.dR.FC.DR."}}}},
    {kFaceL,
     {{{'z', 1, "uL.FA.uR.FC."}, {'z', 4, "dL.FC.dL.FA."}, {'y', 1, "DR.DR.RD.uR.RU.FA.uR.FC.DL.DL."},
       {'y', 4, "LU.dL.LD.FC.dL.FA."}},
      {{'z', 1, "dL.FA.dR.FC."}, {'z', 4, "uL.FC.uL.FA."}, {'y', 1, "DR.DR.RD.dR.RU.FA.dR.FC.DL.DL."},
       {'y', 4, "LU.uL.LD.FC.uL.FA."}}}},
};

// Stage 6: bring a D wing, by the face of its colour-6 sticker, into the D-F edge.
constexpr WingRules kDownWings[] = {
    {kFaceR,
     {{{'z', 1, "dR.FA.dL.FC."}, {'z', 4, "uR.FC.uR.FA."}, {'y', 1, "DL.FC.dL.FA.DR.dL.FA.dL.FC."}},
      {{'z', 1, "uR.FA.uL.FC."}, {'z', 4, "dR.FC.dR.FA."}, {'y', 1, "DL.FA.dR.FC.DR.dR.FC.dR.FA."}}}},
    {kFaceU, {{{'*', 0, "FA.uL.FC.FC.uR.FA."}}, {{'*', 0, "FC.uR.FA.FA.uL.FC."}}}},
    {kFaceB,
     {{{'x', 1, "FC.uR.FA."}, {'x', 4, "FA.dL.FC."}, {'y', 1, "DL.DL.FC.dL.FA.DR.DR.dL.FA.dL.FC."}},
      {{'x', 1, "FC.dR.FA."}, {'x', 4, "FA.uL.FC."}, {'y', 1, "DL.DL.FA.dR.FC.DR.DR.dR.FC.dR.FA."}}}},
    {kFaceF,
     {{{'x', 1, "dR.dR.FA.dL.FC."}, {'x', 4, "uL.uL.FC.uR.FA."}, {'y', 4, "FA.dL.FC.dL.FA.dL.FC."},
       {'y', 1, "FC.dL.FA.dL.FA.dL.FC."}},
      {{'x', 1, "uR.uR.FA.uL.FC."}, {'x', 4, "dL.dL.FC.dR.FA."}, {'y', 4, "FC.dR.FA.dR.FC.dR.FA."},
       {'y', 1, "FA.dR.FC.dR.FC.dR.FA."}}}},
    {kFaceD,
     {{{'x', 1, "DR.FA.dR.FC.DL.FA.dL.FC."}, {'z', 1, ""}, {'x', 4, "DL.FA.dR.FC.DR.FA.dL.FC."},
       {'z', 4, "DR.DR.FA.dR.FC.DL.DL.FA.dL.FC."}},
      {{'x', 1, "DR.FC.dL.FA.DL.FC.dR.FA."}, {'z', 1, ""}, {'x', 4, "DL.FC.dL.FA.DR.FC.dR.FA."},
       {'z', 4, "DR.DR.FC.dL.FA.DL.DL.FC.dR.FA."}}}},
    {kFaceL,
     {{{'z', 1, "uL.FC.uR.FA."}, {'z', 4, "dL.FA.dL.FC."}, {'y', 1, "DR.FC.dL.FA.DL.dL.FA.dL.FC."}},
      {{'z', 1, "dL.FC.dR.FA."}, {'z', 4, "uL.FA.uL.FC."}, {'y', 1, "DR.FA.dR.FC.DL.dR.FC.dR.FA."}}}},
};

constexpr int kUpWingRows = static_cast<int>(std::size(kUpWings));
constexpr int kDownWingRows = static_cast<int>(std::size(kDownWings));

}  // namespace

int LayerSolver::EdgesUp() {
  auto inPlace = [&] {
    const int cells[][2] = {
        {FaceCell(kFaceU, 4, 2), 1}, {FaceCell(kFaceU, 4, 3), 1}, {FaceCell(kFaceR, 4, 2), 4},
        {FaceCell(kFaceR, 4, 3), 4}, {FaceCell(kFaceU, 2, 4), 1}, {FaceCell(kFaceU, 3, 4), 1},
        {FaceCell(kFaceB, 2, 4), 5}, {FaceCell(kFaceB, 3, 4), 5}, {FaceCell(kFaceU, 1, 2), 1},
        {FaceCell(kFaceU, 1, 3), 1}, {FaceCell(kFaceL, 4, 2), 2}, {FaceCell(kFaceL, 4, 3), 2},
    };
    for (const auto& c : cells)
      if (grid_[c[0]] != c[1]) return false;
    return true;
  };
  return Rounds(inPlace, [&] {
    Do("CL.");
    for (int side : {4, 5, 2}) {
      for (Hand hand : {Hand::A, Hand::B}) {
        Do(RuleFor(kUpWings, kUpWingRows, hand, FindWing(grid_, 1, side, hand)));
      }
      Do("CL.");
    }
    return 0;
  });
}

int LayerSolver::EdgesDown() {
  auto inPlace = [&] {
    // F (3,1) needs no test: with the other fifteen stickers right, it is right too.
    const int cells[][2] = {
        {FaceCell(kFaceD, 2, 1), 6}, {FaceCell(kFaceD, 3, 1), 6}, {FaceCell(kFaceF, 2, 1), 3},
        {FaceCell(kFaceD, 4, 2), 6}, {FaceCell(kFaceD, 4, 3), 6}, {FaceCell(kFaceR, 1, 2), 4},
        {FaceCell(kFaceR, 1, 3), 4}, {FaceCell(kFaceD, 2, 4), 6}, {FaceCell(kFaceD, 3, 4), 6},
        {FaceCell(kFaceB, 2, 1), 5}, {FaceCell(kFaceB, 3, 1), 5}, {FaceCell(kFaceD, 1, 2), 6},
        {FaceCell(kFaceD, 1, 3), 6}, {FaceCell(kFaceL, 1, 2), 2}, {FaceCell(kFaceL, 1, 3), 2},
    };
    for (const auto& c : cells)
      if (grid_[c[0]] != c[1]) return false;
    return true;
  };
  return Rounds(inPlace, [&] {
    for (int side : {3, 4, 5, 2}) {
      for (Hand hand : {Hand::A, Hand::B}) {
        Do(RuleFor(kDownWings, kDownWingRows, hand, FindWing(grid_, 6, side, hand)));
      }
      Do("CL.UR.");
    }
    return 0;
  });
}

int LayerSolver::EdgeUpFront() {
  auto inPlace = [&] {
    return At(kFaceU, 2, 1) == 1 && At(kFaceU, 3, 1) == 1 && At(kFaceF, 2, 4) == 3 &&
           At(kFaceF, 3, 4) == 3;
  };
  auto wing = [&](Hand hand) { return FindWing(grid_, 1, 3, hand); };
  auto frontLeft = [](const Located& w) { return w.x() <= 1 && w.z() <= 1; };
  // Turns `tokens` while `keepTurning` holds, at most four times.
  auto turnWhile = [&](const char* tokens, auto keepTurning) {
    for (int turns = 0; turns < 4 && keepTurning(); ++turns) Do(tokens);
  };
  return Rounds(inPlace, [&] {
    Located a = wing(Hand::A), b = wing(Hand::B);
    const bool bothAt3 = a.y() == 3 && b.y() == 3;
    const bool bothAt2 = a.y() == 2 && b.y() == 2;
    if (bothAt3 || bothAt2) {
      // Both wings in one middle layer: pair them across the front-left and the
      // right, then swap the layers' front-left and front-right wings.
      turnWhile(bothAt3 ? "uL." : "dL.", [&] {
        a = wing(Hand::A);
        b = wing(Hand::B);
        return !((frontLeft(a) && b.x() >= 4) || (frontLeft(b) && a.x() >= 4));
      });
      Do(bothAt3 ? "RU.RU.dL.dL.RU.RU." : "RU.RU.uL.uL.RU.RU.");
    } else if (a.y() >= 4 || b.y() >= 4) {
      // A wing in the U layer: move the other one away from the front, then take
      // the U-F wings down.
      for (Hand hand : {Hand::A, Hand::B}) {
        const int y = wing(hand).y();
        if (y == 2) turnWhile("dL.", [&] { return wing(hand).z() <= 1; });
        if (y == 3) turnWhile("uL.", [&] { return wing(hand).z() <= 1; });
      }
      Do("lU.rU.FA.lD.rD.FA.FA.lU.rU.FA.lD.rD.");
    }
    a = wing(Hand::A);
    b = wing(Hand::B);
    if ((a.y() == 2 && b.y() == 3) || (a.y() == 3 && b.y() == 2)) {
      const bool aLow = a.y() == 2;
      turnWhile(aLow ? "dL." : "uL.", [&] { return !frontLeft(wing(Hand::A)); });
      turnWhile(aLow ? "uL." : "dL.", [&] { return !frontLeft(wing(Hand::B)); });
    }
    a = wing(Hand::A);
    b = wing(Hand::B);
    const bool split = (a.y() == 2 && b.y() == 3) || (a.y() == 3 && b.y() == 2);
    if (split && frontLeft(a) && frontLeft(b) && a.x() == b.x() && a.z() == b.z()) {
      if (b.face == kFaceF) Do("lU.rU.FC.lD.rD.FC.FC.lU.rU.FC.lD.rD.");
      if (b.face == kFaceL) Do("uR.dR.lU.rU.FA.lD.rD.FA.FA.lU.rU.FA.lD.rD.");
    }
    return 0;
  });
}

}  // namespace cube444
