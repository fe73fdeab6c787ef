// Stages 4 and 5: the first two layers and the last layer.
#include <array>

#include "solvers/petrus/PetrusStageTools.h"

namespace petrus {

namespace {

constexpr int kCornerDFR = Facelet('F', 8);  // 17

struct PairColours {
  int front, down, right;
};

// Whether the F-layer group corner (F, D, R) with edges (F, D) and (F, R) is
// joined, in any of the four turns of the F layer. The colours stay those read
// before; the copy turns with the group.
bool PairJoined(TrackedCube copy, const PairColours& p) {
  for (int tries = 0; tries < 4; ++tries) {
    if (copy.Colour('F', 5) == p.front && copy.Colour('F', 7) == p.front &&
        copy.Colour('F', 8) == p.front && copy.Colour('D', 1) == p.down &&
        copy.Colour('D', 2) == p.down && copy.Colour('R', 3) == p.right &&
        copy.Colour('R', 6) == p.right) {
      return true;
    }
    copy.Rotate('x');
  }
  return false;
}

bool AlignPair(TrackedCube& cube, const PairColours& p) {
  return TurnUntilCorner(cube, "F1", p.front, p.down, p.right, kCornerDFR);
}

// One of the two ways to the first pair; the other way mirrors its moves.
struct PairWay {
  Table corner, edge, finish;
  bool edgeWithDown;         // the edge table is keyed by edge (F, D), else (F, R)
  const char* beforeFinish;  // the F turn made before "U2" and the finish table
};
constexpr PairWay kWayA = {Table::S4ACorner, Table::S4AEdge, Table::S4AFinish, true, "F3"};
constexpr PairWay kWayB = {Table::S4BCorner, Table::S4BEdge, Table::S4BFinish, false, "F1"};

bool BuildPair(TrackedCube& cube, const PairColours& p, const PairWay& way, const StageContext& context) {
  const int edgeOther = way.edgeWithDown ? p.down : p.right;
  const int finishOther = way.edgeWithDown ? p.right : p.down;
  if (!Lookup(cube, way.corner, cube.FindCorner(p.front, p.down, p.right), context) ||
      !Lookup(cube, way.edge, cube.FindEdge(p.front, edgeOther), context)) {
    return false;
  }
  if (PairJoined(cube, p)) return AlignPair(cube, p);
  cube.Move(way.beforeFinish);
  cube.Move("U2");
  return Lookup(cube, way.finish, cube.FindEdge(p.front, finishOther), context);
}

bool BuildLastPair(TrackedCube& cube, const StageContext& context) {
  const int front = cube.Colour('F', 4), left = cube.Colour('L', 4), down = cube.Colour('D', 4);
  for (int tries = 0; tries < 4; ++tries) {
    const int key = 100 * cube.FindCorner(front, left, down) + cube.FindEdge(front, left);
    if (Lookup(cube, Table::S4LastPair, key, context)) return true;
    cube.Move("U1");
  }
  return false;
}

// Reads the pattern in up to eight frames: four turns about U, then the same
// mirrored L↔R; applies the table's sequence for the first pattern it knows.
bool LookupLastLayerPattern(TrackedCube& cube, Table table, const std::vector<int>& facelets,
                            const StageContext& context) {
  for (int tries = 1; tries <= 8; ++tries) {
    if (Lookup(cube, table, LabelPattern(cube, facelets), context)) return true;
    cube.Rotate('z');
    if (tries == 4) cube.Mirror("xz");
  }
  return false;
}

bool PermuteEdges(TrackedCube& cube, const StageContext& context) {
  for (int tries = 1; tries <= 8; ++tries) {
    if (Lookup(cube, Table::LLEdges, EdgePlacesCode(cube), context)) return true;
    cube.Rotate('z');
    if (tries == 4) cube.Mirror("xz");
  }
  return false;
}

// The U facelet of a last-layer corner position, −1 for a corner elsewhere.
int UpperCornerPlace(int facelet) {
  static constexpr std::array<std::array<int, 4>, 4> kPlaces = {{
      {0, 0, 29, 36}, {2, 2, 20, 27}, {6, 6, 9, 38}, {8, 8, 11, 18},
  }};
  for (const auto& place : kPlaces) {
    if (facelet == place[1] || facelet == place[2] || facelet == place[3]) return place[0];
  }
  return -1;
}

bool PermuteCorners(TrackedCube& cube, const StageContext& context) {
  const int e = cube.Colour('U', 4), a = cube.Colour('F', 4), b = cube.Colour('R', 4),
            c = cube.Colour('B', 4), d = cube.Colour('L', 4);
  for (int tries = 0; tries < 4; ++tries) {
    if (Lookup(cube, Table::LLCorners, CornerPlacesCode(cube, e, a, b, c, d), context)) return true;
    cube.Rotate('z');
  }
  return false;
}

// Way A: corners and edge orientation by pattern, then the edges' places.
bool LastLayerWayA(TrackedCube& cube, const StageContext& context) {
  return LookupLastLayerPattern(cube, Table::LL12, LL12Facelets(), context) &&
         PermuteEdges(cube, context);
}

// Way B: the corners' places, then the rest by pattern.
bool LastLayerWayB(TrackedCube& cube, const StageContext& context) {
  return PermuteCorners(cube, context) &&
         LookupLastLayerPattern(cube, Table::LL16, LL16Facelets(), context);
}

bool TurnUpperUntilSolved(TrackedCube& cube) {
  for (int turns = 0; !cube.IsSolved(); ++turns) {
    if (turns == 4) return false;
    cube.Move("U1");
  }
  return true;
}

}  // namespace

const std::vector<int>& LL12Facelets() {
  static const std::vector<int> facelets = {
      Facelet('B', 2), Facelet('B', 0), Facelet('L', 0), Facelet('U', 0), Facelet('U', 2), Facelet('R', 2),
      Facelet('L', 2), Facelet('U', 6), Facelet('U', 8), Facelet('R', 0), Facelet('F', 0), Facelet('F', 2),
  };
  return facelets;
}

const std::vector<int>& LL16Facelets() {
  static const std::vector<int> facelets = {
      Facelet('B', 2), Facelet('B', 1), Facelet('B', 0), Facelet('L', 0), Facelet('U', 0), Facelet('U', 2),
      Facelet('R', 2), Facelet('L', 1), Facelet('R', 1), Facelet('L', 2), Facelet('U', 6), Facelet('U', 8),
      Facelet('R', 0), Facelet('F', 0), Facelet('F', 1), Facelet('F', 2),
  };
  return facelets;
}

int EdgePlacesCode(const TrackedCube& cube) {
  const int u = cube.Colour('U', 4);
  return cube.FindEdge(u, cube.Colour('L', 0)) + 10 * cube.FindEdge(u, cube.Colour('B', 0)) +
         100 * cube.FindEdge(u, cube.Colour('R', 0)) + 1000 * cube.FindEdge(u, cube.Colour('F', 0));
}

int CornerPlacesCode(const TrackedCube& cube, int e, int a, int b, int c, int d) {
  return UpperCornerPlace(cube.FindCorner(e, a, b)) + 10 * UpperCornerPlace(cube.FindCorner(e, d, a)) +
         100 * UpperCornerPlace(cube.FindCorner(e, b, c)) +
         1000 * UpperCornerPlace(cube.FindCorner(e, c, d));
}

std::string LabelPattern(const TrackedCube& cube, const std::vector<int>& facelets) {
  const int upper = cube.Colour('U', 4);
  std::vector<int> met;  // the other colours, in the order first met
  std::string pattern;
  for (int facelet : facelets) {
    const int colour = cube.ColourAt(facelet);
    if (colour == upper) {
      pattern += 'x';
      continue;
    }
    size_t place = 0;
    while (place < met.size() && met[place] != colour) ++place;
    if (place == met.size()) met.push_back(colour);
    pattern += place < 4 ? static_cast<char>('0' + place) : 'z';
  }
  return pattern;
}

bool FinishFirstTwoLayers(Candidates& candidates, const StageContext& context) {
  Candidates frames;
  frames.reserve(4 * candidates.size());
  for (const TrackedCube& cube : candidates) {
    TrackedCube w = cube;
    for (int turn = 0; turn < 2; ++turn) {
      if (turn == 1) {
        w.Rotate('y');
        w.Rotate('z');
        w.Rotate('z');
      }
      frames.push_back(w);
      TrackedCube mirrored = w;
      mirrored.Mirror("xz");
      frames.push_back(std::move(mirrored));
    }
  }

  Candidates pairs;
  pairs.reserve(2 * frames.size());
  for (TrackedCube& cube : frames) {
    const PairColours p = {cube.Colour('F', 4), cube.Colour('D', 4), cube.Colour('R', 4)};
    if (PairJoined(cube, p)) {
      if (!AlignPair(cube, p)) return false;
      pairs.push_back(cube);
      pairs.push_back(std::move(cube));
      continue;
    }
    TrackedCube wayB = cube;
    if (!BuildPair(cube, p, kWayA, context) || !BuildPair(wayB, p, kWayB, context)) return false;
    pairs.push_back(std::move(cube));
    pairs.push_back(std::move(wayB));
  }

  for (TrackedCube& cube : pairs) {
    if (!BuildLastPair(cube, context)) return false;
  }
  candidates = std::move(pairs);
  return KeepShortestPerGroup(candidates, 6, 16,
                              [](const TrackedCube& cube) { return cube.Colour('U', 4); });
}

bool SolveLastLayer(Candidates& candidates, const StageContext& context) {
  Candidates finished;
  finished.reserve(2 * candidates.size());
  for (const TrackedCube& cube : candidates) {
    finished.push_back(cube);
    if (!LastLayerWayA(finished.back(), context)) return false;
  }
  for (const TrackedCube& cube : candidates) {
    finished.push_back(cube);
    if (!LastLayerWayB(finished.back(), context)) return false;
  }
  for (TrackedCube& cube : finished) {
    if (!TurnUpperUntilSolved(cube)) return false;
  }
  candidates = std::move(finished);
  return true;
}

}  // namespace petrus
