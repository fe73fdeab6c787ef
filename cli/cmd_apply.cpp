// rovan-cli apply: turn a cube with move tokens as typed commands would, and
// print its facelet text, sticker turns and move count.
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CubeForms.h"
#include "model/MoveNotation.h"
#include "model/StandardNotation.h"

namespace cli {

namespace {

// Standard tokens are all read before the cube turns, so that a bad one changes nothing.
bool ApplyStandard(model::WCube& cube, const Args& tokens, std::vector<std::string>& names) {
  std::vector<model::LayerBlock> blocks;
  for (const std::string& token : tokens) {
    const auto block = model::ReadStandardToken(cube.Order(), token);
    if (!block) {
      PrintError("\"" + token + "\" is not a move of the standard notation for order " +
                 std::to_string(cube.Order()));
      return false;
    }
    blocks.push_back(*block);
  }
  for (const model::LayerBlock& block : blocks) {
    model::ApplyBlock(cube, block, 0, 1, 0);
    for (std::string& name : model::StandardTokensOf(cube.Order(), block)) names.push_back(std::move(name));
  }
  return true;
}

int RunApply(const Args& arguments) {
  Args args = arguments;
  std::optional<std::string> state, notation;
  FaceletForm form = FaceletForm::kDigits;
  if (!TakeOption(args, "--state", state) || !TakeOption(args, "--notation", notation) ||
      !TakeFaceletForm(args, form)) {
    return kExitBadInput;
  }
  if (notation && *notation != "own" && *notation != "standard") {
    PrintError("--notation must be \"own\" or \"standard\", not \"" + *notation + "\"");
    return kExitBadInput;
  }
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
  const Args tokens(args.begin() + 1, args.end());
  std::string standard;
  if (notation == "standard") {
    std::vector<std::string> names;
    if (!ApplyStandard(cube, tokens, names)) return kExitBadInput;
    for (const std::string& name : names) standard += (standard.empty() ? "" : " ") + name;
    standard = "standard: " + standard + "\n";
  } else {
    for (const std::string& token : tokens) model::ApplyCommand(cube, token, 0, 1, 0);
    standard = StandardLine(order, {}, tokens);
  }

  std::cout << FaceletsLine(cube.ExportColours(), form)
            << "stickers: " << cube.ExportStickerTurns() << "\n"
            << "moves: " << cube.MoveCount() << "\n"
            << standard;
  return kExitOk;
}

const CliRegistrar registrar(
    {"apply",
     "rovan-cli apply ORDER [--state FACELETS] TOKEN...\n"
     "    options: [--notation own|standard] [--format digits|urfdlb]\n"
     "    starts from the solved cube of ORDER (2..7), or from FACELETS, applies each\n"
     "    move token as a typed command would (tokens the order does not know are\n"
     "    ignored) and prints \"facelets:\", \"stickers:\" (sticker turns), \"moves:\" and\n"
     "    \"standard:\" (the tokens in standard notation). With --notation standard the\n"
     "    tokens are standard notation (R U' F2, Rw 3Rw r, 2R 3R, M E S on 3x3x3, x y z);\n"
     "    one it cannot read is refused. --format urfdlb writes the facelets as letters.",
     RunApply});

}  // namespace

}  // namespace cli
