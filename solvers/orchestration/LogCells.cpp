#include "solvers/orchestration/LogCells.h"

#include <array>
#include <utility>

namespace orchestration {

namespace {

using TokenMap = std::vector<std::pair<std::string_view, std::string_view>>;

struct LogRotation {
  std::string_view name;
  TokenMap tokens;       // whole-cell replacements
  std::string_view from;  // face letters tested in this order …
  std::string_view to;    // … and what each becomes
};

// For each whole-cube turn: whole-cube and slice tokens that change, and the
// face-letter substitution. The half turns of the other two axes swap as well
// (y2 under x is z2), so that the log still solves the cube.
const std::array<LogRotation, 9> kRotations = {{
    {"x",
     {{"y", "z'"}, {"y'", "z"}, {"z", "y"}, {"z'", "y'"}, {"y2", "z2"}, {"z2", "y2"},
      {"S", "E'"}, {"S'", "E"}, {"S2", "E2"}, {"E'", "S'"}, {"E", "S"}, {"E2", "S2"}},
     "FUBDfubd", "UBDFubdf"},
    {"x2", {{"y", "y'"}, {"y'", "y"}, {"z", "z'"}, {"z'", "z"}, {"E", "E'"}, {"E'", "E"},
            {"S", "S'"}, {"S'", "S"}},
     "FUBDfubd", "BDFUbdfu"},
    {"x'",
     {{"y", "z"}, {"y'", "z'"}, {"z", "y'"}, {"z'", "y"}, {"y2", "z2"}, {"z2", "y2"},
      {"E'", "S"}, {"E", "S'"}, {"E2", "S2"}, {"S", "E"}, {"S'", "E'"}, {"S2", "E2"}},
     "UFDBufdb", "FDBUfdbu"},
    {"y",
     {{"x", "z"}, {"x'", "z'"}, {"z", "x'"}, {"z'", "x"}, {"x2", "z2"}, {"z2", "x2"},
      {"M", "S'"}, {"M'", "S"}, {"M2", "S2"}, {"S", "M"}, {"S'", "M'"}, {"S2", "M2"}},
     "FLBRflbr", "LBRFlbrf"},
    {"y2", {{"x", "x'"}, {"x'", "x"}, {"z", "z'"}, {"z'", "z"}, {"S", "S'"}, {"S'", "S"},
            {"M", "M'"}, {"M'", "M"}},
     "FLBRflbr", "BRFLbrfl"},
    {"y'",
     {{"x", "z'"}, {"x'", "z"}, {"z", "x"}, {"z'", "x'"}, {"x2", "z2"}, {"z2", "x2"},
      {"S", "M'"}, {"S'", "M"}, {"S2", "M2"}, {"M", "S"}, {"M2", "S2"}, {"M'", "S'"}},
     "FLBRflbr", "RFLBrflb"},
    {"z",
     {{"x", "y'"}, {"x'", "y"}, {"y", "x"}, {"y'", "x'"}, {"x2", "y2"}, {"y2", "x2"},
      {"E", "M"}, {"E'", "M'"}, {"E2", "M2"}, {"M", "E'"}, {"M2", "E2"}, {"M'", "E"}},
     "URDLurdl", "RDLUrdlu"},
    {"z2", {{"y", "y'"}, {"y'", "y"}, {"x", "x'"}, {"x'", "x"}, {"M", "M'"}, {"M'", "M"},
            {"E", "E'"}, {"E'", "E"}},
     "URLDurld", "DLRUdlru"},
    {"z'",
     {{"x", "y"}, {"x'", "y'"}, {"y", "x'"}, {"y'", "x"}, {"x2", "y2"}, {"y2", "x2"},
      {"M", "E"}, {"M'", "E'"}, {"M2", "E2"}, {"E", "M'"}, {"E'", "M"}, {"E2", "M2"}},
     "ULDRuldr", "LDRUldru"},
}};

const LogRotation* FindRotation(std::string_view r) {
  for (const auto& rotation : kRotations)
    if (rotation.name == r) return &rotation;
  return nullptr;
}

void RewriteCell(std::string& cell, const LogRotation& rotation) {
  for (const auto& [before, after] : rotation.tokens) {
    if (cell == before) {
      cell = after;
      return;
    }
  }
  for (size_t k = 0; k < rotation.from.size(); ++k) {
    if (cell.find(rotation.from[k]) == std::string::npos) continue;
    for (char& c : cell)
      if (c == rotation.from[k]) c = rotation.to[k];
    return;
  }
}

// The x2 re-lettering of a solver that worked on the turned-over cube. It is the
// log's x2 rewrite.
const LogRotation& X2() { return *FindRotation("x2"); }

}  // namespace

Cells SplitSolution(std::string_view text) {
  Cells out;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(' ', start), text.size());
    if (end > start) out.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

Cells LoadSolution(const Cells& moves) {
  Cells cells;
  cells.reserve(moves.size() + 2);
  cells.emplace_back(kStartMarker);
  cells.insert(cells.end(), moves.begin(), moves.end());
  cells.emplace_back(kEndMarker);
  return cells;
}

Cells LayeredTokensToCells(std::string_view tokens) {
  Cells out;
  for (size_t at = 0; at + 3 <= tokens.size(); at += 3) {
    const std::string_view token = tokens.substr(at, 3);
    if (std::string_view("BDFLRU").find(token[0]) == std::string_view::npos) {
      out.emplace_back(token);  // the step markers
      continue;
    }
    std::string move(1, token[0]);
    if (token[1] == '*') move += '2';
    if (token[1] == '-') move += '\'';
    out.push_back(move);
  }
  return out;
}

void RelabelX2(Cells& cells) {
  for (size_t i = 1; i < cells.size() && !cells[i].empty(); ++i) RewriteCell(cells[i], X2());
}

void RotateLogCells(Cells& cells, std::string_view r) {
  const LogRotation* rotation = FindRotation(r);
  if (!rotation) return;
  for (size_t i = 1; i < cells.size() && !cells[i].empty(); ++i) RewriteCell(cells[i], *rotation);
}

bool IsWholeCubeTurn(std::string_view r) { return FindRotation(r) != nullptr; }

}  // namespace orchestration
