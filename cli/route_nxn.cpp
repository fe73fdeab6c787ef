// rovan-cli solve nxn FACELETS: the N×N solver in its advanced mode for any
// order 2..7 (the order follows from the text's length), solution in the long form.
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/SolveOutcomeOutput.h"
#include "cli/SolveRoute.h"
#include "input/Conversions.h"
#include "solvers/orchestration/LogCells.h"
#include "solvers/nxn/NxNSolver.h"

namespace cli {

namespace {

constexpr int kAdvancedMode = 3;

int OrderOfLength(size_t length) {
  for (int order = 2; order <= 7; ++order)
    if (length == static_cast<size_t>(6 * order * order)) return order;
  return 0;
}

int RunNxN(const Args& args) {
  if (args.size() != 1) {
    PrintError("solve nxn needs exactly one FACELETS text");
    return kExitBadInput;
  }
  std::string facelets = args[0];
  const int order = OrderOfLength(facelets.size());
  if (order == 0) {
    PrintError("FACELETS must have 24, 54, 96, 150, 216 or 294 characters (orders 2..7), not " +
               std::to_string(facelets.size()));
    return kExitBadInput;
  }
  if (!CheckFacelets(facelets, order)) return kExitBadInput;
  if (const auto direct = orchestration::DirectSolution(facelets, orchestration::RouteNotation::kLongForm))
    return PrintCheckedSolution(facelets, {}, *direct);
  nxn::NxNSolution solution;
  const int result = nxn::SolveNxN(order, input::ToSolverFaces(order, facelets), kAdvancedMode, solution);
  if (result < 0) {
    PrintError(solution.text);
    return kExitBadInput;
  }
  return PrintCheckedSolution(facelets, {}, orchestration::SplitSolution(nxn::LongText(order, solution.moves)));
}

const SolveRouteRegistrar registrar({"nxn",
                                     "rovan-cli solve nxn FACELETS\n"
                                     "    the N×N solver (advanced mode) for orders 2..7, the order taken from the\n"
                                     "    text's length; moves in the long form (NF, N3R, MU, ...).",
                                     RunNxN});

}  // namespace

}  // namespace cli
