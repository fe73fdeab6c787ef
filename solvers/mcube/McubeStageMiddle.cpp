// Stages 8 and 9: the upper (y = 3) and lower (y = 2) wings of the four middle edges.
#include "solvers/mcube/McubeLayerSolver.h"

namespace cube444 {

namespace {

// A middle wing in place: two stickers and the colours they must show.
struct MiddleWing {
  int faceA, a1, a2, colourA;
  int faceB, b1, b2, colourB;
};
constexpr MiddleWing kUpperWings[4] = {
    {kFaceL, 3, 1, 2, kFaceF, 1, 3, 3},  // front-left
    {kFaceF, 4, 3, 3, kFaceR, 3, 1, 4},  // front-right
    {kFaceR, 3, 4, 4, kFaceB, 4, 3, 5},  // back-right
    {kFaceB, 1, 3, 5, kFaceL, 3, 4, 2},  // back-left
};
constexpr MiddleWing kLowerWings[4] = {
    {kFaceL, 2, 1, 2, kFaceF, 1, 2, 3},  // front-left
    {kFaceF, 4, 2, 3, kFaceR, 2, 1, 4},  // front-right
    {kFaceR, 2, 4, 4, kFaceB, 4, 2, 5},  // back-right
    {kFaceB, 1, 2, 5, kFaceL, 2, 4, 2},  // back-left
};
enum MiddleEdge { kFrontLeft, kFrontRight, kBackRight, kBackLeft };

constexpr const char* kOneLowerInPlace = "FC.FC.RU.RU.FA.dL.FC.RU.RU.FA.dR.FA.";
constexpr const char* kSwapBackRight = "dR.dR.RU.RU.BA.BA.RD.dL.RU.BA.BA.RD.dR.RD.dR.";
constexpr const char* kSwapFrontLeft = "dR.LD.LD.FC.FC.LU.dL.LD.FC.FC.LU.dR.LU.dR.dR.";
constexpr const char* kSwapBoth =
    "dR.dR.RU.RU.BA.BA.RD.dL.RU.BA.BA.RD.dR.RD.dR."
    "dR.LD.LD.FC.FC.LU.dL.LD.FC.FC.LU.dR.LU.dR.dR."
    "dR.dR.RU.RU.BA.BA.RD.dL.RU.BA.BA.RD.dR.RD.dR.";

}  // namespace

namespace {
std::array<bool, 4> InPlace(const Grid& grid, const MiddleWing (&wings)[4]) {
  std::array<bool, 4> out{};
  for (int i = 0; i < 4; ++i) {
    const MiddleWing& w = wings[i];
    out[i] = grid[FaceCell(w.faceA, w.a1, w.a2)] == w.colourA &&
             grid[FaceCell(w.faceB, w.b1, w.b2)] == w.colourB;
  }
  return out;
}

int Count(const std::array<bool, 4>& flags) {
  int n = 0;
  for (bool f : flags) n += f ? 1 : 0;
  return n;
}
}  // namespace

int LayerSolver::MiddleUpper() {
  auto wing = [&](int a, int b) { return FindWing(grid_, a, b, Hand::B); };
  auto turnWhile = [&](const char* tokens, auto keepTurning) {
    for (int turns = 0; turns < 4 && keepTurning(); ++turns) Do(tokens);
  };
  return Rounds([&] { return Count(InPlace(grid_, kUpperWings)) == 4; },
                [&] {
                  // Wing (4,3) to the front-right edge, colour 4 on R.
                  if (wing(4, 3).y() == 2) {
                    turnWhile("dL.", [&] { return wing(4, 3).x() < 4; });
                    Do("RU.RU.uL.uL.RD.RD.");
                  }
                  switch (wing(4, 3).face) {
                    case kFaceF: Do("uR."); break;
                    case kFaceL: Do("uL.uL."); break;
                    case kFaceB: Do("uL."); break;
                    default: break;
                  }
                  // Wing (3,2) to the front-left edge, colour 3 at F (1,3).
                  if (wing(3, 2).cell != FaceCell(kFaceF, 1, 3)) {
                    turnWhile("BA.BA.dL.dL.BA.BA.", [&] { return wing(3, 2).y() == 3; });
                    turnWhile("dL.", [&] {
                      const Located w = wing(3, 2);
                      return w.x() < 4 || w.z() > 1;
                    });
                    Do("LU.LU.dL.dL.LU.LU.");
                  }
                  // Wing (2,5) to the back-left edge, colour 2 at L (3,4).
                  if (wing(2, 5).cell != FaceCell(kFaceL, 3, 4)) {
                    turnWhile("BC.BC.dL.dL.BC.BC.", [&] { return wing(2, 5).y() == 3; });
                    turnWhile("dL.", [&] {
                      const Located w = wing(2, 5);
                      return w.x() > 1 || w.z() > 1;
                    });
                    Do("BC.BC.dL.dL.BC.BC.");
                  }
                  // Wing (5,4) to the back-right edge, colour 5 at B (4,3).
                  if (wing(5, 4).cell != FaceCell(kFaceB, 4, 3)) {
                    turnWhile("dL.", [&] {
                      const Located w = wing(5, 4);
                      return w.x() > 1 || w.z() < 4;
                    });
                    Do("uR.dR.BC.dL.BA.LD.LD.BC.dR.BA.LD.LD.uL.dL.");
                  }
                  return 0;
                });
}

int LayerSolver::MiddleLower() {
  constexpr int kRoundLimit = 10;
  for (int done = 0;;) {
    switch (FindWing(grid_, 4, 3, Hand::A).face) {
      case kFaceF: Do("dR."); break;
      case kFaceL: Do("dL.dL."); break;
      case kFaceB: Do("dL."); break;
      default: break;
    }
    const auto placed = InPlace(grid_, kLowerWings);
    const int count = Count(placed);
    if (count == 1) Do(kOneLowerInPlace);
    if (count == 2) {
      if (placed[kBackLeft]) Do(kSwapBoth);
      else if (placed[kBackRight]) Do(kSwapBackRight);
      else if (placed[kFrontLeft]) Do(kSwapFrontLeft);
    }
    if (++done == kRoundLimit) return kStageOutOfRounds;
    if (Count(InPlace(grid_, kLowerWings)) == 4) return 0;
  }
}

}  // namespace cube444
