#include "cli/SolveOutcomeOutput.h"

#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CubeForms.h"
#include "model/SolutionCheck.h"
#include "solvers/orchestration/SolveMessages.h"

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

int PrintCheckedSolution(const std::string& facelets, const std::vector<std::string>& turns,
                         const std::vector<std::string>& moves) {
  if (!model::SolvesCube(facelets, turns, moves)) {
    std::cerr << orchestration::kMsgCannotSolve << "\n";
    return kExitBadInput;
  }
  std::cout << "turns: " << Joined(turns) << "\n"
            << "moves: " << Joined(moves) << "\n"
            << StandardLine(orchestration::OrderOfFacelets(facelets), turns, moves);
  return kExitOk;
}

int PrintSolveOutcome(const std::string& facelets, const orchestration::SolveOutcome& outcome) {
  using Status = orchestration::SolveOutcome::Status;
  switch (outcome.status) {
    case Status::kLoaded:
      return PrintCheckedSolution(facelets, orchestration::AllCubeTurns(outcome), orchestration::FinalCells(outcome));
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


bool TakeFacelets(const Args& args, std::string& facelets) {
  if (args.size() != 1) {
    PrintError("give exactly one FACELETS text; see rovan-cli --help");
    return false;
  }
  const std::string own = OwnFacelets(args[0]);
  if (orchestration::OrderOfFacelets(own) == 0) {
    PrintError("FACELETS must hold 6N² digits 0 to 5, or 6N² letters U R F D L B, for an order N from 2 to 7 (" +
               std::to_string(args[0].size()) + " characters given)");
    return false;
  }
  facelets = own;
  return true;
}

}  // namespace cli
