#include "model/MoveNotation.h"

#include "model/MoveVocabulary.h"

namespace model {

namespace {

void Perform(WCube& cube, const QuarterTurn& t, int animate, int record, int sound) {
  switch (t.kind) {
    case TurnKind::kLayer: cube.TurnLayer(t.axis, t.first, t.dir, animate, record, sound); break;
    case TurnKind::kFirst: cube.TurnFirst(t.axis, t.count, t.dir, animate, sound); break;
    case TurnKind::kLast: cube.TurnLast(t.axis, t.count, t.dir, animate, sound); break;
    case TurnKind::kRange: cube.TurnRange(t.axis, t.first, t.count, t.dir, animate, sound); break;
    case TurnKind::kBoth: cube.TurnBoth(t.axis, t.count, t.dir, animate, sound); break;
  }
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

void ApplyCommand(WCube& cube, const std::string& text, int animate, int record, int sound) {
  const MoveCommand* command = FindCommand(cube.Order(), text);
  if (!command) return;
  for (int i = 0; i < command->repeats; ++i) Perform(cube, command->turn, animate, record, sound);
}

int ApplySequence(WCube& cube, std::string_view tokens, int animate, int record, int sound) {
  int ignored = 0;
  std::string token;
  size_t i = 0;
  while (i < tokens.size()) {
    if (IsSpace(tokens[i])) {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < tokens.size() && !IsSpace(tokens[i])) ++i;
    token.assign(tokens.substr(start, i - start));
    if (FindCommand(cube.Order(), token)) {
      ApplyCommand(cube, token, animate, record, sound);
    } else {
      ++ignored;
    }
  }
  return ignored;
}

bool IsInVocabulary(int order, const std::string& token) { return FindCommand(order, token) != nullptr; }

std::vector<std::string> VocabularyOf(int order) {
  std::vector<std::string> tokens;
  for (const auto& entry : CommandsOf(order)) tokens.push_back(entry.first);
  return tokens;
}

std::string TypedKeyToken(char character, bool shiftHeld) {
  struct KeyRow {
    std::string_view characters;
    int plain;    // what the key types without Shift
    int shifted;  // and with Shift
  };
  enum { kNothing, kSame, kOtherCasePrimed };
  static constexpr KeyRow kKeys[] = {
      {"BDFLRU", kSame, kOtherCasePrimed}, {"bdflru", kSame, kOtherCasePrimed},
      {"xyz", kSame, kNothing},            {"XYZ", kNothing, kOtherCasePrimed},
      {"MES", kSame, kNothing},            {"mes", kNothing, kOtherCasePrimed},
  };
  for (const KeyRow& row : kKeys) {
    if (row.characters.find(character) == std::string_view::npos) continue;
    switch (shiftHeld ? row.shifted : row.plain) {
      case kSame: return std::string(1, character);
      case kOtherCasePrimed: {
        const char other = (character >= 'a' && character <= 'z') ? static_cast<char>(character - 'a' + 'A')
                                                                  : static_cast<char>(character - 'A' + 'a');
        return std::string(1, other) + "'";
      }
      default: return {};
    }
  }
  return {};
}

}  // namespace model
