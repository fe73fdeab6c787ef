#include "cli/CubeForms.h"

#include <optional>

#include "cli/CliArgs.h"
#include "model/FaceletForms.h"
#include "model/StandardNotation.h"

namespace cli {

bool TakeFaceletForm(Args& args, FaceletForm& form) {
  std::optional<std::string> text;
  if (!TakeOption(args, "--format", text)) return false;
  if (!text) return true;
  if (*text == "urfdlb") {
    form = FaceletForm::kLetters;
  } else if (*text == "digits") {
    form = FaceletForm::kDigits;
  } else {
    PrintError("--format must be \"digits\" or \"urfdlb\", not \"" + *text + "\"");
    return false;
  }
  return true;
}

std::string FaceletsLine(const std::string& ownText, FaceletForm form) {
  return "facelets: " + (form == FaceletForm::kLetters ? model::ToLetterFacelets(ownText) : ownText) + "\n";
}

std::string OwnFacelets(const std::string& given) { return model::FromLetterFacelets(given).value_or(given); }

std::string StandardLine(int order, const std::vector<std::string>& turns, const std::vector<std::string>& moves) {
  std::vector<std::string> all = turns;
  all.insert(all.end(), moves.begin(), moves.end());
  return "standard: " + model::ToStandardText(order, all) + "\n";
}

}  // namespace cli
