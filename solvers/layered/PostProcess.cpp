#include "solvers/layered/PostProcess.h"

#include <array>
#include <vector>

namespace layered {

namespace {

using Token = std::string_view;  // always 3 characters

std::vector<Token> Tokens(std::string_view text) {
  std::vector<Token> out;
  for (size_t at = 0; at + 3 <= text.size(); at += 3) out.push_back(text.substr(at, 3));
  return out;
}

bool IsFaceToken(Token t) {
  return Token("BDFLRU").find(t[0]) != Token::npos && Token("+-*").find(t[1]) != Token::npos;
}

bool IsQuarter(Token t) { return IsFaceToken(t) && t[1] != '*'; }

// The letter each face letter stands for after the whole-cube turns so far.
class LetterMap {
 public:
  char Map(char letter) const { return map_[Slot(letter)]; }
  // After x (F to the top): later U means the old F, F the old D, D the old B,
  // B the old U.
  void TurnX() { Cycle('U', 'F', 'D', 'B'); }
  void TurnXPrime() { Cycle('U', 'B', 'D', 'F'); }
  // After y' (L to the front): later F means the old L, L the old B, B the old
  // R, R the old F.
  void TurnYPrime() { Cycle('F', 'L', 'B', 'R'); }
  void TurnY() { Cycle('F', 'R', 'B', 'L'); }

 private:
  static size_t Slot(char letter) { return Token("FLRBUD").find(letter); }
  // Later a means the old b, b the old c, c the old d, d the old a.
  void Cycle(char a, char b, char c, char d) {
    const char oldA = Map(a);
    map_[Slot(a)] = Map(b);
    map_[Slot(b)] = Map(c);
    map_[Slot(c)] = Map(d);
    map_[Slot(d)] = oldA;
  }
  std::array<char, 6> map_ = {'F', 'L', 'R', 'B', 'U', 'D'};
};

std::string Join(const std::vector<std::string>& tokens) {
  std::string out;
  for (const auto& t : tokens) out += t;
  return out;
}

// One left-to-right walk replacing each run of `count` equal face tokens.
template <typename Replace>
std::string MergeRuns(std::string_view text, size_t count, Replace replace) {
  const auto tokens = Tokens(text);
  std::string out;
  for (size_t i = 0; i < tokens.size();) {
    bool run = IsQuarter(tokens[i]) && i + count <= tokens.size();
    for (size_t k = 1; run && k < count; ++k) run = tokens[i + k] == tokens[i];
    if (run) {
      out += replace(tokens[i]);
      i += count;
    } else {
      out += tokens[i++];
    }
  }
  return out;
}

}  // namespace

std::string RemoveWholeCubeTurns(std::string_view text) {
  LetterMap map;
  std::string out;
  for (Token t : Tokens(text)) {
    if (t == "X+.") map.TurnX();
    else if (t == "X-.") map.TurnXPrime();
    else if (t == "Y+.") map.TurnYPrime();
    else if (t == "Y-.") map.TurnY();
    else if (IsFaceToken(t)) out += std::string{map.Map(t[0]), t[1], t[2]};
    else out += t;  // markers
  }
  return out;
}

std::string CancelInversePairs(std::string_view text) {
  std::string current(text);
  for (bool changed = true; changed;) {
    changed = false;
    const auto tokens = Tokens(current);
    std::vector<std::string> kept;
    for (Token t : tokens) {
      // Quarter turns of one face in opposite directions cancel; markers never pair.
      if (!kept.empty() && IsQuarter(t) && IsQuarter(kept.back()) && kept.back()[0] == t[0] &&
          kept.back()[1] != t[1]) {
        kept.pop_back();
        changed = true;
      } else {
        kept.emplace_back(t);
      }
    }
    current = Join(kept);
  }
  return current;
}

std::string MergeTriples(std::string_view text) {
  return MergeRuns(text, 3, [](Token t) {
    return std::string{t[0], t[1] == '+' ? '-' : '+', '.'};
  });
}

std::string DropQuadruples(std::string_view text) {
  return MergeRuns(text, 4, [](Token) { return std::string(); });
}

std::string MergePairs(std::string_view text) {
  return MergeRuns(text, 2, [](Token t) { return std::string{t[0], '*', '.'}; });
}

std::string PostProcessSolution(std::string_view text) {
  return MergePairs(DropQuadruples(MergeTriples(CancelInversePairs(RemoveWholeCubeTurns(text)))));
}

}  // namespace layered
