// rovan-cli solve advanced: the "高级解法" button on a cube given as a facelet text.
#include "cli/CliArgs.h"
#include "cli/SolveOutcomeOutput.h"
#include "cli/SolveRoute.h"

namespace cli {

namespace {

int RunAdvanced(const Args& arguments) {
  Args args = arguments;
  orchestration::SolveOptions options;
  options.minStep = TakeFlag(args, "--fewest") ? 1 : 0;
  std::string facelets;
  if (!TakeFacelets(args, facelets)) return kExitBadInput;
  orchestration::EvenOrderCounter counter;  // one solve per run: the first tumble
  return PrintSolveOutcome(orchestration::RunAdvanced(facelets, options, counter),
                           orchestration::OrderOfFacelets(facelets));
}

const SolveRouteRegistrar registrar(
    {"advanced",
     "rovan-cli solve advanced [--fewest] FACELETS\n"
     "    the advanced solve: Petrus (\"Lars Petrus玩法\") for 3x3x3, or with --fewest the\n"
     "    minimum-move method (\"最小步玩法\"); the N×N solver for orders 2, 4 and 5 (4x4x4\n"
     "    colourings are checked first). Output and exit statuses as for beginner;\n"
     "    exit 3 when the route's solver is not built.",
     RunAdvanced});

}  // namespace

}  // namespace cli
