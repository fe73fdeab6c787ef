#include "solvers/nxn/ShortSearch.h"

#include <algorithm>
#include <array>

#include "input/Conversions.h"
#include "solvers/nxn/NxNGeometry.h"

namespace nxn {

namespace {

// Leaves of the deepest search: a few milliseconds at every order.
constexpr double kLeafBudget = 80000;
constexpr int kMaxDepth = 4;
constexpr int kMinDepth = 2;

std::vector<int> LayersOf(int order, TurnSet turns) {
  if (turns == TurnSet::kOuterLayers) return {0, order - 1};
  std::vector<int> layers(order);
  for (int l = 0; l < order; ++l) layers[l] = l;
  return layers;
}

// Number of canonical sequences of each length: the last turn's axis and
// layer decide which turns may follow.
std::array<double, kMaxDepth + 1> SequenceCounts(int order, TurnSet turns) {
  const std::vector<int> layers = LayersOf(order, turns);
  const int perAxis = static_cast<int>(layers.size());
  std::array<double, kMaxDepth + 1> total{};
  // ending[i]: sequences ending with a turn of the i-th layer (any axis, by symmetry one axis counted ×3)
  std::vector<double> ending(perAxis, 3.0);  // length 1: three amounts
  total[1] = 3.0 * 3 * perAxis;
  for (int d = 2; d <= kMaxDepth; ++d) {
    double all = 0;
    for (double e : ending) all += e;
    std::vector<double> next(perAxis, 0);
    for (int i = 0; i < perAxis; ++i) {
      double sameAxisBelow = 0;
      for (int j = 0; j < i; ++j) sameAxisBelow += ending[j];
      // after another axis (two of them, each `all` sequences) or a lower layer of this axis
      next[i] = 3.0 * (2 * all + sameAxisBelow);
    }
    ending = next;
    double sum = 0;
    for (double e : ending) sum += e;
    total[d] = 3.0 * sum;
  }
  return total;
}

// Face colours (L R U D F B) of the solved cube in each of its 24 orientations.
std::vector<std::array<std::uint8_t, 6>> SolvedSchemes(const Geometry& g) {
  std::string net;
  for (int f = 0; f < 6; ++f) net += std::string(g.n * g.n, static_cast<char>('0' + f));
  const std::string solved = input::ToSolverFaces(g.n, net);
  std::vector<std::array<std::uint8_t, 6>> schemes;
  for (const auto& rotation : g.rotation) {
    std::string turned = solved;
    for (int s = 0; s < g.count; ++s) turned[rotation[s]] = solved[s];
    std::array<std::uint8_t, 6> scheme{};
    for (int f = 0; f < 6; ++f) scheme[f] = static_cast<std::uint8_t>(turned[f * g.n * g.n]);
    schemes.push_back(scheme);
  }
  return schemes;
}

struct Search {
  const Geometry& g;
  const std::vector<std::array<std::uint8_t, 6>> schemes;
  const std::vector<int> layers;
  Stickers s;
  MoveList path;

  bool Solved() const {
    const int area = g.n * g.n;
    std::array<std::uint8_t, 6> scheme{};
    for (int f = 0; f < 6; ++f) {
      const auto* face = s.data() + f * area;
      if (std::any_of(face + 1, face + area, [&](std::uint8_t v) { return v != face[0]; })) return false;
      scheme[f] = face[0];
    }
    return std::find(schemes.begin(), schemes.end(), scheme) != schemes.end();
  }

  bool Run(int depth, int lastAxis, int lastLayer) {
    if (depth == 0) return Solved();
    for (int axis = 0; axis < 3; ++axis)
      for (int layer : layers) {
        if (axis == lastAxis && layer <= lastLayer) continue;
        for (int amount = 1; amount <= 3; ++amount) {
          ApplyTurn(g, s, axis, layer, 1);
          path.push_back(MakeMove(axis, layer, amount));
          if (Run(depth - 1, axis, layer)) return true;
          path.pop_back();
        }
        ApplyTurn(g, s, axis, layer, 1);  // four quarter turns: as before
      }
    return false;
  }
};

}  // namespace

int ShortSearchDepth(int order, TurnSet turns) {
  const auto counts = SequenceCounts(order, turns);
  double work = 0;
  int depth = 0;
  for (int d = 1; d <= kMaxDepth; ++d) {
    work += counts[d];
    if (d > kMinDepth && work > kLeafBudget) break;
    depth = d;
  }
  return depth;
}

std::optional<MoveList> ShortSolution(int order, const std::string& solverFaces, TurnSet turns) {
  if (order < 2 || order > 7 || solverFaces.size() != static_cast<size_t>(6 * order * order)) return std::nullopt;
  const Geometry& g = GeometryOf(order);
  Search search{g, SolvedSchemes(g), LayersOf(order, turns), Stickers(solverFaces.begin(), solverFaces.end()), {}};
  if (search.Solved()) return std::nullopt;
  const int maxDepth = ShortSearchDepth(order, turns);
  for (int depth = 1; depth <= maxDepth; ++depth)
    if (search.Run(depth, -1, -1)) return search.path;
  return std::nullopt;
}

}  // namespace nxn
