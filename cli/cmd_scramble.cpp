// rovan-cli scramble: the scrambler's turn selection, reproducible from a seed.
#include <ctime>
#include <iostream>

#include "cli/CliArgs.h"
#include "model/Scrambler.h"
#include "model/WCube.h"

namespace cli {
namespace {

int RunScramble(const Args& input) {
  Args args = input;
  std::optional<std::string> countText, seedText, keepText;
  if (!TakeOption(args, "--count", countText) || !TakeOption(args, "--seed", seedText) ||
      !TakeOption(args, "--keep-center", keepText)) {
    return kExitBadInput;
  }
  if (args.size() != 1) {
    PrintError("usage: rovan-cli scramble ORDER [--count N] [--seed S] [--keep-center 0|1]");
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

  const auto turns = scramble::ScrambleTurns(order, count, keep != 0, static_cast<std::uint32_t>(seed));
  model::WCube cube;
  cube.Init(order);
  std::string listed;
  for (const auto& t : turns) {
    cube.TurnLayer(t.axis, t.layer, t.dir, 0, 0, 0);
    if (!listed.empty()) listed += ' ';
    listed += std::to_string(t.axis) + "," + std::to_string(t.layer) + "," + std::to_string(t.dir);
  }
  std::cout << "facelets: " << cube.ExportColours() << "\n"
            << "turns: " << listed << "\n";
  return kExitOk;
}

CliRegistrar registrar({"scramble",
                        "rovan-cli scramble ORDER [--count N] [--seed S] [--keep-center 0|1]\n"
                        "    scrambles a solved cube as the program does (N turns, default 100; seed\n"
                        "    default: the current time; keep-center default 1) and prints \"facelets:\"\n"
                        "    and \"turns:\" as axis,layer,dir triples",
                        RunScramble});

}  // namespace
}  // namespace cli
