#include "solvers/nxn/NxNSolver.h"

#include "input/Conversions.h"
#include "solvers/nxn/NxNReduce.h"
#include "solvers/nxn/Solve2x2.h"
#include "solvers/threestage/ThreeStageSolver.h"

namespace nxn {

namespace {

constexpr int kThreeStageAdvanced = 3;

// Working-cube index of each facelet of a 3×3×3 net (U F R B L D, row by row).
std::array<int, 54> NetToSolverIndex() {
  std::string net(54, ' ');
  for (int i = 0; i < 54; ++i) net[i] = static_cast<char>('0' + i);
  const std::string solver = input::ToSolverFaces(3, net);  // each byte: net index + 1
  std::array<int, 54> at{};
  for (int j = 0; j < 54; ++j) at[solver[j] - 1] = j;
  return at;
}

// The outer layers of an N×N×N working cube as a 3×3×3 net.
threestage::Stickers OuterView(const Geometry& g, const Stickers& s) {
  static const std::array<int, 54> at = NetToSolverIndex();
  const int n = g.n;
  const std::array<int, 3> line = {0, n / 2, n - 1};
  threestage::Stickers view{};
  for (int i = 0; i < 54; ++i) {
    const int j = at[i];
    const int face = j / 9, row = (j % 9) / 3, col = j % 3;
    view[i] = s[face * n * n + line[row] * n + line[col]];
  }
  return view;
}

// Face turns R U F L D B (clockwise amounts) as move codes on the outer layers.
MoveCode FromFaceTurn(int n, const threestage::FaceTurn& t) {
  static constexpr int kAxis[6] = {0, 1, 2, 0, 1, 2};
  static constexpr bool kLast[6] = {true, false, false, false, true, true};
  static constexpr bool kAgainst[6] = {true, true, false, false, false, true};  // clockwise is negative
  const int amount = kAgainst[t.face] ? 4 - t.amount : t.amount;
  return MakeMove(kAxis[t.face], kLast[t.face] ? n - 1 : 0, amount);
}

bool FinishOuter(const Geometry& g, const Stickers& s, int mode, MoveList& moves, int& orientation3) {
  threestage::ThreeStageResult result;
  if (threestage::SolveThreeStage(OuterView(g, s), mode, result) < 0) return false;
  for (const auto& t : result.moves) moves.push_back(FromFaceTurn(g.n, t));
  orientation3 = result.orientation;
  return true;
}

void Apply(const Geometry& g, Stickers& s, const MoveList& moves) {
  for (MoveCode m : moves) ApplyTurn(g, s, AxisOf(m), LayerOf(m), AmountOf(m));
}

int SolveValid(const Geometry& g, Stickers& s, const Scheme& scheme, int mode, NxNSolution& out) {
  if (g.n == 2) {
    const auto faceOf = FaceOfColour(scheme);
    for (auto& v : s) v = static_cast<std::uint8_t>(faceOf[v] + 1);
    out.moves = Solve2x2(s, mode);
    return 0;
  }
  if (g.n == 3) return FinishOuter(g, s, mode, out.moves, out.orientation3) ? 0 : kInvalidColours;
  if (IsSolved(g, s)) return 0;
  Reduction r;
  if (!Reduce(g, s, scheme, r)) return kInvalidColours;
  out.orientationN = r.orientation;
  Apply(g, s, r.moves);
  out.moves = r.moves;
  if (!FinishOuter(g, s, kThreeStageAdvanced, out.moves, out.orientation3)) return kInvalidColours;
  Simplify(out.moves);
  return 0;
}

}  // namespace

const char* Diagnostic(int code) {
  switch (code) {
    case kInvalidColours: return "Invalid colours.";
    case kInvalidCornerParity: return "Invalid corner parity.";
    case kInvalidEdgeParity: return "Invalid edge parity.";
    case kInvalidSwapParity: return "Invalid swap parity.";
    default: return "";
  }
}

int SolveNxN(int order, const std::string& solverFaces, int mode, NxNSolution& out) {
  out = NxNSolution{};
  if (order == 1) return 0;
  if (order < 2 || order > 7 || solverFaces.size() != static_cast<size_t>(6 * order * order)) {
    out.text = Diagnostic(kInvalidColours);
    return kInvalidColours;
  }
  const Geometry& g = GeometryOf(order);
  Stickers s(solverFaces.begin(), solverFaces.end());
  Scheme scheme{};
  int code = Validate(g, s, scheme);
  if (code == 0) code = SolveValid(g, s, scheme, mode, out);
  if (code < 0) {
    out = NxNSolution{};
    out.text = Diagnostic(code);
    return code;
  }
  out.text = SolutionText(order, out.moves);
  return static_cast<int>(out.moves.size());
}

int SolveNxN(int order, std::string& text, const std::string& solverFaces, int mode, int& orientation3,
             int& orientationN) {
  NxNSolution out;
  const int result = SolveNxN(order, solverFaces, mode, out);
  text = out.text;
  orientation3 = out.orientation3;
  orientationN = out.orientationN;
  return result;
}

}  // namespace nxn
