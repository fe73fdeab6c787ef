// rovan-cli apply: turn a cube with move tokens as typed commands would, and
// print its facelet text, sticker turns and move count.
#include <iostream>

#include "cli/CliArgs.h"
#include "model/MoveNotation.h"

namespace cli {

namespace {

int RunApply(const Args& arguments) {
  Args args = arguments;
  std::optional<std::string> state;
  if (!TakeOption(args, "--state", state)) return kExitBadInput;
  if (args.empty()) {
    PrintError("apply needs an ORDER; see rovan-cli --help");
    return kExitBadInput;
  }
  int order = 0;
  if (!ParseOrder(args[0], order)) return kExitBadInput;
  if (state && !CheckFacelets(*state, order)) return kExitBadInput;

  model::WCube cube;
  cube.Init(order);
  if (state) cube.ImportColours(*state);
  for (size_t i = 1; i < args.size(); ++i) model::ApplyCommand(cube, args[i], 0, 1, 0);

  std::cout << "facelets: " << cube.ExportColours() << "\n"
            << "stickers: " << cube.ExportStickerTurns() << "\n"
            << "moves: " << cube.MoveCount() << "\n";
  return kExitOk;
}

const CliRegistrar registrar({"apply",
                              "rovan-cli apply ORDER [--state FACELETS] TOKEN...\n"
                              "    starts from the solved cube of ORDER (2..7), or from FACELETS, applies each\n"
                              "    move token as a typed command would (tokens the order does not know are\n"
                              "    ignored) and prints \"facelets:\", \"stickers:\" (sticker turns) and \"moves:\".",
                              RunApply});

}  // namespace

}  // namespace cli
