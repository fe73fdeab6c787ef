// rovan-cli check444 FACELETS: the 4×4×4 colouring check's result code.
#include <iostream>

#include "cli/CliArgs.h"
#include "solvers/mcube/Check444.h"

namespace cli {

namespace {

int RunCheck444(const Args& args) {
  if (args.size() != 1) {
    PrintError("check444 needs exactly one FACELETS argument (96 digits)");
    return kExitBadInput;
  }
  std::string facelets = args[0];
  if (!CheckFacelets(facelets, 4)) return kExitBadInput;
  std::cout << cube444::Check444(facelets) << "\n";
  return kExitOk;
}

}  // namespace

static CliRegistrar registrar(
    {"check444",
     "rovan-cli check444 FACELETS\n"
     "    checks a 4×4×4 colouring and prints the code: 0 possible, 2 wrong colour counts or\n"
     "    an impossible piece, 3 or 5 not solvable, 4 a wing of the wrong hand, 6 a mirrored corner",
     RunCheck444});

}  // namespace cli
