// rovan-cli solve threestage [--mode 0|3] FACELETS: the three-stage 3×3×3 solver.
#include <iostream>
#include <optional>
#include <string>

#include "cli/CliArgs.h"
#include "cli/SolveOutcomeOutput.h"
#include "cli/SolveRoute.h"
#include "solvers/threestage/ThreeStageSolver.h"

namespace cli {

namespace {

std::string TurnText(const threestage::FaceTurn& turn) {
  static const char kLetters[] = "RUFLDB";
  std::string text(1, kLetters[turn.face]);
  if (turn.amount == 2) text.push_back('2');
  if (turn.amount == 3) text.push_back('\'');
  return text;
}

int RunThreeStage(const Args& given) {
  Args args = given;
  std::optional<std::string> modeText;
  if (!TakeOption(args, "--mode", modeText)) return kExitBadInput;
  int mode = 0;
  if (modeText) {
    if (*modeText != "0" && *modeText != "3") {
      PrintError("--mode must be 0 or 3, not \"" + *modeText + "\"");
      return kExitBadInput;
    }
    mode = *modeText == "3" ? 3 : 0;
  }
  if (args.size() != 1) {
    PrintError("solve threestage needs one FACELETS argument");
    return kExitBadInput;
  }
  std::string facelets = args[0];
  if (!CheckFacelets(facelets, 3)) return kExitBadInput;
  if (const auto direct = orchestration::DirectSolution(facelets, orchestration::RouteNotation::kFaceTurns))
    return PrintCheckedSolution(facelets, {}, *direct);
  threestage::Stickers stickers{};
  for (size_t i = 0; i < stickers.size(); ++i) stickers[i] = static_cast<std::uint8_t>(facelets[i] - '0');
  threestage::ThreeStageResult result;
  if (threestage::SolveThreeStage(stickers, mode, result) < 0) {
    PrintError("the colours are not those of a solvable 3x3x3 cube");
    return kExitBadInput;
  }
  std::vector<std::string> moves;
  for (const auto& turn : result.moves) moves.push_back(TurnText(turn));
  return PrintCheckedSolution(facelets, {}, moves);
}

SolveRouteRegistrar registrar({"threestage",
                               "rovan-cli solve threestage [--mode 0|3] FACELETS\n"
                               "    the three-stage table solver for 3x3x3 (mode 3 also tries 3 240 three-turn starts)",
                               RunThreeStage});

}  // namespace

}  // namespace cli
