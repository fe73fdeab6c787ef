#include "solvers/orchestration/SendBox.h"

#include "model/MoveNotation.h"
#include "model/StandardNotation.h"

namespace orchestration {

namespace {

constexpr std::string_view kAllowed = "LRFBUDlrfbudEMSxyzXYZ TWNV23456().C";
constexpr std::string_view kSeparators = " \n\r\f\t.()";

}  // namespace

bool CheckSendText(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (kAllowed.find(c) == std::string_view::npos) return false;
    if (c != ' ' && i + 1 < text.size() && (text[i + 1] == '\'' || text[i + 1] == '2')) ++i;
  }
  return true;
}

Cells TokeniseSendText(std::string_view text) {
  Cells out;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of(kSeparators, start), text.size());
    if (end > start) out.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

std::optional<Cells> ReadSendText(std::string_view text, int order) {
  bool allRead = true;
  Cells cells;
  for (const std::string& token : TokeniseSendText(text)) {
    const auto standard = model::IsInVocabulary(order, token) ? std::nullopt : model::ReadStandardToken(order, token);
    if (!standard) {
      allRead = allRead && model::IsInVocabulary(order, token);
      cells.push_back(token);
      continue;
    }
    for (std::string& own : model::ProgramTokensOf(order, *standard)) cells.push_back(std::move(own));
  }
  if (!allRead && !CheckSendText(text)) return std::nullopt;
  return cells;
}

}  // namespace orchestration
