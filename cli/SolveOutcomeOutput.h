#pragma once
// How the beginner and advanced routes report a solve: "turns:", "moves:" and
// "standard:" on stdout, a refusal's message on stderr.
#include "cli/CliCommand.h"
#include "solvers/orchestration/SolveRunner.h"

namespace cli {

// Prints the outcome and returns the exit status: 0 loaded, 2 refused or
// unusable, 3 the route's solver is not built.
int PrintSolveOutcome(const orchestration::SolveOutcome& outcome, int order);

// The single FACELETS argument left in args, in the program's own form; prints
// why when it is unusable.
bool TakeFacelets(const Args& args, std::string& facelets);

}  // namespace cli
