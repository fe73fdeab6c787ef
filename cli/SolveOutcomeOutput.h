#pragma once
// How every solving route reports a solve: "turns:", "moves:" and "standard:"
// on stdout, a refusal's message on stderr. Nothing is printed as a solution before it has
// been played on a copy of the input cube and found to solve it.
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "solvers/orchestration/DirectSolve.h"
#include "solvers/orchestration/SolveRunner.h"

namespace cli {

// Prints the outcome and returns the exit status: 0 loaded, 2 refused or
// unusable, 3 the route's solver is not built.
int PrintSolveOutcome(const std::string& facelets, const orchestration::SolveOutcome& outcome);

// Checks that the whole-cube turns and then the moves solve the facelet text;
// prints them and returns 0, or prints the colour message and returns 2.
int PrintCheckedSolution(const std::string& facelets, const std::vector<std::string>& turns,
                         const std::vector<std::string>& moves);

// The single FACELETS argument left in args, in the program's own form; prints
// why when it is unusable.
bool TakeFacelets(const Args& args, std::string& facelets);

}  // namespace cli
