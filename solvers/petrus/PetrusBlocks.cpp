// Stages 1–3: the 2×2×2 block, its 2×2×3 extension and the edge orientation.
#include <array>

#include "solvers/petrus/PetrusStageTools.h"

namespace petrus {

namespace {

constexpr int kStartCount = 48;

// The (b, c) pairs of the start table; rows with opposite a share a list
// (colour digits: opposites are 0–5, 1–3, 2–4).
using PairList = std::array<std::array<int, 2>, 8>;
constexpr std::array<PairList, 3> kStartPairs = {{
    {{{1, 2}, {2, 1}, {2, 3}, {3, 2}, {3, 4}, {4, 3}, {4, 1}, {1, 4}}},  // a = 0, 5
    {{{0, 2}, {2, 0}, {2, 5}, {5, 2}, {5, 4}, {4, 5}, {4, 0}, {0, 4}}},  // a = 1, 3
    {{{0, 1}, {1, 0}, {1, 5}, {5, 1}, {5, 3}, {3, 5}, {3, 0}, {0, 3}}},  // a = 2, 4
}};
constexpr std::array<int, 6> kPairListOfColour = {0, 1, 2, 1, 2, 0};

// Stage-1 groups: the corner at U-F-L, by its colours.
constexpr std::array<std::array<int, 3>, 8> kCornerGroups = {{
    {0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 1}, {5, 1, 2}, {5, 2, 3}, {5, 3, 4}, {5, 4, 1},
}};
// Stage-2 groups: the edge at B-L, by its colours.
constexpr std::array<std::array<int, 2>, 12> kEdgeGroups = {{
    {0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 2}, {2, 3}, {3, 4}, {4, 1}, {5, 1}, {5, 2}, {5, 3}, {5, 4},
}};

constexpr int kCornerUFL = Facelet('U', 6);  // 6
constexpr int kCornerUBL = Facelet('U', 0);  // 0

// Rotations that bring each face of the cube to U in turn.
constexpr std::array<char, 5> kTumble = {'y', 'x', 'x', 'x', 'y'};

bool BuildFirstBlock(TrackedCube& cube, const StartCorner& s, const StageContext& context) {
  return OrientOnCorner(cube, s.a, s.b, s.c) &&
         Lookup(cube, Table::S1a, cube.FindEdge(s.a, s.b), context) &&
         OrientOnCorner(cube, s.a, s.b, s.c) &&
         Lookup(cube, Table::S1bCentre, cube.FindCentre(s.a), context) &&
         Lookup(cube, Table::S1bEdge, cube.FindEdge(s.a, s.c), context) &&
         OrientOnCorner(cube, s.a, s.b, s.c) &&
         Lookup(cube, Table::S1cCentre, cube.FindCentre(s.b), context) &&
         Lookup(cube, Table::S1cEdge, cube.FindEdge(s.b, s.c), context);
}

int CornerGroup(const TrackedCube& cube) {
  for (size_t g = 0; g < kCornerGroups.size(); ++g) {
    const auto& [a, b, c] = kCornerGroups[g];
    const int at = cube.FindCorner(a, b, c);
    if (at == Facelet('U', 6) || at == Facelet('F', 0) || at == Facelet('L', 2)) {
      return static_cast<int>(g);
    }
  }
  return -1;
}

int EdgeGroup(const TrackedCube& cube) {
  for (size_t g = 0; g < kEdgeGroups.size(); ++g) {
    const int at = cube.FindEdge(kEdgeGroups[g][0], kEdgeGroups[g][1]);
    if (at == Facelet('B', 5) || at == Facelet('L', 3)) return static_cast<int>(g);
  }
  return -1;
}

// The six frames stage 2 tries for one block: three turns of the block about
// its corner, each also mirrored F↔B.
void AddBlockFrames(const TrackedCube& block, Candidates& out) {
  TrackedCube w = block;
  w.Rotate('y');
  w.Rotate('y');
  for (int turn = 0; turn < 3; ++turn) {
    if (turn > 0) {
      w.Rotate('y');
      w.Rotate('z');
    }
    out.push_back(w);
    TrackedCube mirrored = w;
    mirrored.Mirror("yz");
    mirrored.Rotate('z');
    out.push_back(std::move(mirrored));
  }
}

bool ExtendBlock(TrackedCube& cube, const StageContext& context) {
  const int c = cube.Colour('U', 4), d = cube.Colour('B', 8), e = cube.Colour('L', 6);
  const bool built = cube.Colour('U', 0) == c && cube.Colour('U', 1) == c &&
                     cube.Colour('U', 3) == c && cube.Colour('B', 1) == d &&
                     cube.Colour('B', 2) == d && cube.Colour('L', 0) == e && cube.Colour('L', 1) == e;
  if (built) return true;
  if (!Lookup(cube, Table::S2Corner, cube.FindCorner(c, d, e), context) ||
      !Lookup(cube, Table::S2Edge1, cube.FindEdge(c, d), context) ||
      !Lookup(cube, Table::S2Edge2, cube.FindEdge(c, e), context)) {
    return false;
  }
  cube.Move("U3");
  return cube.FindCorner(c, d, e) == kCornerUBL;
}

bool OrientCandidateEdges(TrackedCube& cube, const StageContext& context) {
  for (int turn = 0; turn < 3; ++turn) cube.Rotate('x');
  const int u = cube.Colour('U', 4), f = cube.Colour('F', 4);
  auto tryPattern = [&](int first, int second) {
    return Lookup(cube, Table::EO, EdgeOrientationPattern(cube, first, second), context);
  };
  if (tryPattern(u, f)) return true;
  cube.Mirror("xz");
  if (tryPattern(u, f)) return true;
  cube.Rotate('y');
  cube.Rotate('z');
  cube.Rotate('z');
  if (tryPattern(f, u)) return true;
  cube.Mirror("xz");
  return tryPattern(f, u);
}

}  // namespace

StartCorner StartCornerOf(int start) {
  const int a = start / 8;
  const auto& [b, c] = kStartPairs[kPairListOfColour[a]][start % 8];
  return {a, b, c};
}

std::string EdgeOrientationPattern(const TrackedCube& cube, int first, int second) {
  struct EdgeRead {
    int main, side;     // facelets: on U (or F), and the other one
    bool upperLayer;    // true: test main == second / side == first
  };
  static constexpr std::array<EdgeRead, 7> kEdges = {{
      {Facelet('U', 1), Facelet('B', 1), true},  {Facelet('U', 3), Facelet('L', 1), true},
      {Facelet('U', 5), Facelet('R', 1), true},  {Facelet('U', 7), Facelet('F', 1), true},
      {Facelet('F', 3), Facelet('L', 5), false}, {Facelet('F', 5), Facelet('R', 3), false},
      {Facelet('F', 7), Facelet('D', 1), false},
  }};
  std::string pattern;
  for (const EdgeRead& edge : kEdges) {
    const int mainWants = edge.upperLayer ? second : first;
    const int sideWants = edge.upperLayer ? first : second;
    const bool flipped = cube.ColourAt(edge.main) == mainWants || cube.ColourAt(edge.side) == sideWants;
    pattern += flipped ? '1' : '0';
  }
  return pattern;
}

bool OrientOnCorner(TrackedCube& cube, int a, int b, int c) {
  size_t tumbles = 0;
  while (cube.FindCorner(a, b, c) > 8) {
    if (tumbles == kTumble.size()) return false;
    cube.Rotate(kTumble[tumbles++]);
  }
  for (int turns = 0; cube.FindCorner(a, b, c) != kCornerUFL; ++turns) {
    if (turns == 4) return false;
    cube.Rotate('z');
  }
  if (cube.Colour('F', 0) != b) {
    cube.Mirror("xz");
    cube.Rotate('z');
  }
  return true;
}

bool BuildFirstBlocks(const std::string& facelets, Candidates& out, const StageContext& context) {
  out.clear();
  out.reserve(kStartCount);
  for (int start = 0; start < kStartCount; ++start) {
    TrackedCube cube(facelets);
    if (!BuildFirstBlock(cube, StartCornerOf(start), context)) return false;
    cube.setOrientationCode(100 + 10 * cube.Colour('U', 4) + cube.Colour('F', 4));
    out.push_back(std::move(cube));
  }
  return KeepShortestPerGroup(out, static_cast<int>(kCornerGroups.size()), 6, CornerGroup);
}

bool ExtendBlocks(Candidates& candidates, const StageContext& context) {
  Candidates next;
  next.reserve(6 * candidates.size());
  for (const TrackedCube& block : candidates) AddBlockFrames(block, next);
  for (TrackedCube& cube : next) {
    if (!ExtendBlock(cube, context)) return false;
  }
  candidates = std::move(next);
  return KeepShortestPerGroup(candidates, static_cast<int>(kEdgeGroups.size()), 4, EdgeGroup);
}

bool OrientEdges(Candidates& candidates, const StageContext& context) {
  for (TrackedCube& cube : candidates) {
    if (!OrientCandidateEdges(cube, context)) return false;
  }
  return true;
}

}  // namespace petrus
