#include "solvers/petrus/PetrusRoute.h"

#include <array>

#include "input/Conversions.h"
#include "solvers/petrus/PetrusSolver.h"

namespace petrus {

namespace {

// For the first turn chosen by u: the turn, and where each face (U F R B L D)
// ends up after it.
struct FirstTurn {
  const char* token;
  std::array<int, 6> faceGoesTo;
};
constexpr int U = 0, F = 1, R = 2, B = 3, L = 4, D = 5;
constexpr std::array<FirstTurn, 6> kFirstTurns = {{
    {nullptr, {U, F, R, B, L, D}},
    {"x", {B, U, R, D, L, F}},   // F comes up
    {"z'", {L, F, U, B, D, R}},  // R comes up
    {"x'", {F, D, R, U, L, B}},  // B comes up
    {"z", {R, F, D, B, U, L}},   // L comes up
    {"z2", {D, F, L, B, R, U}},  // D comes up
}};
constexpr std::array<int, 6> kOpposite = {D, B, L, F, R, U};
// The y turn that brings the face now at F, R, B or L to the front.
constexpr std::array<const char*, 6> kFrontTurn = {nullptr, nullptr, "y", "y2", "y'", nullptr};

}  // namespace

RouteResult SolveFacelets(const std::string& facelets) {
  RouteResult result;
  PetrusSolver solver;
  result.code = solver.SetFacelets(input::ToCentreCodes(facelets));
  if (result.code != kFaceletsOk) return result;
  result.code = solver.Run();
  if (result.code != kRunOk) return result;
  for (std::string move = solver.NextMove(); !move.empty(); move = solver.NextMove()) {
    if (!result.solution.empty()) result.solution += ' ';
    result.solution += move;
  }
  result.orientationCode = solver.orientationCode();
  return result;
}

const char* RouteMessage(int code) {
  switch (code) {
    case 0: return "";
    case kFaceletsWrongLength:
    case kFaceletsBadCharacter:
    case kFaceletsBadCount: return "魔方颜色设置有问题,请重新设置颜色!";
    default: return "无法复原魔方！请重新设置颜色";
  }
}

std::vector<std::string> FrameTurns(int orientationCode) {
  const int u = orientationCode / 10 - 10, f = orientationCode % 10;
  if (orientationCode < 100 || u > 5 || f > 5 || u == f || kOpposite[u] == f) return {};
  std::vector<std::string> turns;
  const FirstTurn& first = kFirstTurns[u];
  if (first.token) turns.push_back(first.token);
  if (const char* front = kFrontTurn[first.faceGoesTo[f]]) turns.push_back(front);
  return turns;
}

}  // namespace petrus
