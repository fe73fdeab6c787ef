// rovan-cli scramble: the scrambler's turn selection, reproducible from a seed.
#include <ctime>
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CubeForms.h"
#include "model/Scrambler.h"
#include "model/WCube.h"
#include "solvers/orchestration/RandomStateScramble.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace cli {
namespace {

int RunRandomState(int order, std::uint32_t seed, FaceletForm form) {
  if (!orchestration::OffersRandomStateScramble(order)) {
    PrintError("--random-state is offered for orders 2 and 3 only");
    return kExitBadInput;
  }
  if (order == 3 && !twophase::PrepareTables(twophase::TableFileCandidates(ExecutableDir()), nullptr)) {
    PrintError("the two-phase tables could not be built");
    return kExitFailure;
  }
  const auto scramble = orchestration::MakeRandomStateScramble(order, seed);
  std::cout << FaceletsLine(scramble.facelets, form) << StandardLine(order, {}, scramble.moves);
  return kExitOk;
}

int RunScramble(const Args& input) {
  Args args = input;
  std::optional<std::string> countText, seedText, keepText;
  FaceletForm form = FaceletForm::kDigits;
  const bool randomState = TakeFlag(args, "--random-state");
  if (!TakeOption(args, "--count", countText) || !TakeOption(args, "--seed", seedText) ||
      !TakeOption(args, "--keep-center", keepText) || !TakeFaceletForm(args, form)) {
    return kExitBadInput;
  }
  if (args.size() != 1 || (randomState && (countText || keepText))) {
    PrintError("usage: rovan-cli scramble ORDER [--count N] [--seed S] [--keep-center 0|1] [--format F]\n"
               "       rovan-cli scramble ORDER --random-state [--seed S] [--format F]");
    return kExitBadInput;
  }
  int order = 0, count = 100, keep = 1;
  long long seed = static_cast<long long>(std::time(nullptr));
  if (!ParseOrder(args[0], order)) return kExitBadInput;
  if (countText && !ParseInt(*countText, 0, 5000, "--count", count)) return kExitBadInput;
  if (keepText && !ParseInt(*keepText, 0, 1, "--keep-center", keep)) return kExitBadInput;
  if (seedText) {
    // Seeds are 32-bit unsigned values.
    try {
      size_t used = 0;
      seed = std::stoll(*seedText, &used);
      if (used != seedText->size() || seed < 0 || seed > 0xFFFFFFFFLL) throw std::out_of_range("seed");
    } catch (const std::exception&) {
      PrintError("--seed must be an integer from 0 to 4294967295");
      return kExitBadInput;
    }
  }

  if (randomState) return RunRandomState(order, static_cast<std::uint32_t>(seed), form);

  const auto turns = scramble::ScrambleTurns(order, count, keep != 0, static_cast<std::uint32_t>(seed));
  model::WCube cube;
  cube.Init(order);
  std::string listed;
  for (const auto& t : turns) {
    cube.TurnLayer(t.axis, t.layer, t.dir, 0, 0, 0);
    if (!listed.empty()) listed += ' ';
    listed += std::to_string(t.axis) + "," + std::to_string(t.layer) + "," + std::to_string(t.dir);
  }
  std::cout << FaceletsLine(cube.ExportColours(), form) << "turns: " << listed << "\n";
  return kExitOk;
}

CliRegistrar registrar({"scramble",
                        "rovan-cli scramble ORDER [--count N] [--seed S] [--keep-center 0|1] [--format digits|urfdlb]\n"
                        "    scrambles a solved cube as the program does (N turns, default 100; seed\n"
                        "    default: the current time; keep-center default 1) and prints \"facelets:\"\n"
                        "    and \"turns:\" as axis,layer,dir triples\n"
                        "rovan-cli scramble ORDER --random-state [--seed S] [--format digits|urfdlb]\n"
                        "    orders 2 and 3: a uniformly random state (the 2x2x2 with its D-R-B corner\n"
                        "    home), printed as \"facelets:\" and as \"standard:\", the turns reaching it\n"
                        "    from solved in standard notation (at most 11 for 2x2x2, 21 for 3x3x3)",
                        RunScramble});

}  // namespace
}  // namespace cli
