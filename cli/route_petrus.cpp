// rovan-cli solve petrus FACELETS — the Petrus block-building solver (3×3×3).
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/SolveOutcomeOutput.h"
#include "cli/SolveRoute.h"
#include "model/MoveLog.h"
#include "solvers/petrus/PetrusRoute.h"

namespace cli {

namespace {

movelog::WholeRotation RotationOf(const std::string& token) {
  for (int r = 0; r < movelog::kWholeRotationCount; ++r) {
    const auto rotation = static_cast<movelog::WholeRotation>(r);
    if (token == movelog::RotationToken(rotation)) return rotation;
  }
  return movelog::WholeRotation::X;  // FrameTurns gives only the nine rotation tokens
}

int RunPetrus(const Args& args) {
  if (args.size() != 1) {
    PrintError("usage: rovan-cli solve petrus FACELETS");
    return kExitBadInput;
  }
  std::string facelets = args[0];
  if (!CheckFacelets(facelets, 3)) return kExitBadInput;
  if (const auto direct = orchestration::DirectSolution(facelets, orchestration::RouteNotation::kFaceTurns))
    return PrintCheckedSolution(facelets, {}, *direct);
  const petrus::RouteResult result = petrus::SolveFacelets(facelets);
  if (result.code != 0) {
    std::cerr << petrus::RouteMessage(result.code) << "\n";
    return kExitBadInput;
  }
  // The cube turns to the solver's frame; the moves are re-lettered with it.
  const std::vector<std::string> turns = petrus::FrameTurns(result.orientationCode);
  std::vector<std::string> moves;
  for (size_t start = 0; start < result.solution.size();) {
    size_t end = result.solution.find(' ', start);
    if (end == std::string::npos) end = result.solution.size();
    moves.push_back(result.solution.substr(start, end - start));
    start = end + 1;
  }
  for (const std::string& turn : turns) {
    for (std::string& move : moves) move = movelog::RelabelCommand(RotationOf(turn), move);
  }
  return PrintCheckedSolution(facelets, turns, moves);
}

const SolveRouteRegistrar registrar({"petrus",
                                     "rovan-cli solve petrus FACELETS\n"
                                     "    the Petrus block-building solver (\"Lars Petrus玩法\", 3x3x3); the\n"
                                     "    turns show the cube in the frame the solver worked in",
                                     RunPetrus});

}  // namespace

}  // namespace cli
