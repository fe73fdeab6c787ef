#include "cli/SolveOutcomeOutput.h"

#include <iostream>

#include "cli/CliArgs.h"

namespace cli {

namespace {

std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (const auto& item : items) {
    if (!out.empty()) out += ' ';
    out += item;
  }
  return out;
}

}  // namespace

int PrintSolveOutcome(const orchestration::SolveOutcome& outcome) {
  using Status = orchestration::SolveOutcome::Status;
  switch (outcome.status) {
    case Status::kLoaded:
      std::cout << "turns: " << Joined(orchestration::AllCubeTurns(outcome)) << "\n"
                << "moves: " << Joined(orchestration::FinalCells(outcome)) << "\n";
      return kExitOk;
    case Status::kRefused:
      std::cerr << outcome.message << "\n";
      return kExitBadInput;
    case Status::kNotBuilt:
      PrintError(outcome.message);
      return kExitNotBuilt;
    default:
      PrintError(outcome.message);
      return kExitBadInput;
  }
}

std::optional<std::string> DirectMovesText(const std::string& facelets, orchestration::RouteNotation notation) {
  const auto moves = orchestration::DirectSolution(facelets, notation);
  if (!moves) return std::nullopt;
  return Joined(*moves);
}

bool TakeFacelets(const Args& args, std::string& facelets) {
  if (args.size() != 1) {
    PrintError("give exactly one FACELETS text; see rovan-cli --help");
    return false;
  }
  if (orchestration::OrderOfFacelets(args[0]) == 0) {
    PrintError("FACELETS must hold 6N² digits 0 to 5 for an order N from 2 to 7 (" +
               std::to_string(args[0].size()) + " characters given)");
    return false;
  }
  facelets = args[0];
  return true;
}

}  // namespace cli
