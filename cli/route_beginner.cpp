// rovan-cli solve beginner: the "初级解法" button on a cube given as a facelet text.
#include "cli/CliArgs.h"
#include "cli/SolveOutcomeOutput.h"
#include "cli/SolveRoute.h"

namespace cli {

namespace {

int RunBeginner(const Args& arguments) {
  Args args = arguments;
  orchestration::SolveOptions options;
  options.primarySolution = TakeFlag(args, "--no-formula") ? 1 : 0;
  std::string facelets;
  if (!TakeFacelets(args, facelets)) return kExitBadInput;
  return PrintSolveOutcome(orchestration::RunBeginner(facelets, options), orchestration::OrderOfFacelets(facelets));
}

const SolveRouteRegistrar registrar(
    {"beginner",
     "rovan-cli solve beginner [--no-formula] FACELETS\n"
     "    the beginner solve: layer by layer (\"层先流行玩法\"), or with --no-formula the\n"
     "    method without formulas (\"不用背公式的玩法\"), for 3x3x3; the N×N solver for 2x2x2.\n"
     "    \"turns:\" lists the whole-cube turns made to the cube, \"moves:\" the log cells.\n"
     "    A refused colouring prints the program's message and exits 2.",
     RunBeginner});

}  // namespace

}  // namespace cli
