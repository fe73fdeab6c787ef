#pragma once
// How the beginner and advanced routes report a solve: "turns:" and "moves:"
// on stdout, a refusal's message on stderr.
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "solvers/orchestration/DirectSolve.h"
#include "solvers/orchestration/SolveRunner.h"

namespace cli {

// Prints the outcome and returns the exit status: 0 loaded, 2 refused or
// unusable, 3 the route's solver is not built.
int PrintSolveOutcome(const orchestration::SolveOutcome& outcome);

// The short search's answer for a cube a few turns from solved, as the
// route's space-separated moves; the routes that call their solver directly
// print it in their own form.
std::optional<std::string> DirectMovesText(const std::string& facelets, orchestration::RouteNotation notation);

// The single FACELETS argument left in args; prints why when it is unusable.
bool TakeFacelets(const Args& args, std::string& facelets);

}  // namespace cli
