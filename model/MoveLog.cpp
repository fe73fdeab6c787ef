#include "model/MoveLog.h"

#include "appinfo/Translatable.h"

#include "model/LogRelabel.h"

#include <algorithm>
#include <utility>

namespace movelog {

namespace {

// How one whole-cube rotation re-letters the log: whole-cell replacements for
// rotations and slices first, then the first face letter found (tested in the
// listed order) is replaced throughout the cell.
struct RelabelRule {
  const char* token;
  std::vector<std::pair<const char*, const char*>> cells;
  std::vector<std::pair<char, char>> letters;
};

const std::array<RelabelRule, kWholeRotationCount>& RelabelRules() {
  static const std::array<RelabelRule, kWholeRotationCount> rules = {{
      {"x",
       {{"y", "z'"}, {"y'", "z"}, {"z", "y"}, {"z'", "y'"}, {"S", "E'"}, {"S'", "E"},
        {"S2", "E2"}, {"E'", "S'"}, {"E", "S"}, {"E2", "S2"}},
       {{'F', 'U'}, {'U', 'B'}, {'B', 'D'}, {'D', 'F'},
        {'f', 'u'}, {'u', 'b'}, {'b', 'd'}, {'d', 'f'}}},
      {"x2",
       {{"y", "y'"}, {"y'", "y"}, {"z", "z'"}, {"z'", "z"}, {"E", "E'"}, {"E'", "E"},
        {"S", "S'"}, {"S'", "S"}},
       {{'F', 'B'}, {'U', 'D'}, {'B', 'F'}, {'D', 'U'},
        {'f', 'b'}, {'u', 'd'}, {'b', 'f'}, {'d', 'u'}}},
      {"x'",
       {{"y", "z"}, {"y'", "z'"}, {"z", "y'"}, {"z'", "y"}, {"E'", "S"}, {"E", "S'"},
        {"E2", "S2"}, {"S", "E"}, {"S'", "E'"}, {"S2", "E2"}},
       {{'U', 'F'}, {'F', 'D'}, {'D', 'B'}, {'B', 'U'},
        {'u', 'f'}, {'f', 'd'}, {'d', 'b'}, {'b', 'u'}}},
      {"y",
       {{"x", "z"}, {"x'", "z'"}, {"z", "x'"}, {"z'", "x"}, {"M", "S'"}, {"M'", "S"},
        {"M2", "S2"}, {"S", "M"}, {"S'", "M'"}, {"S2", "M2"}},
       {{'F', 'L'}, {'L', 'B'}, {'B', 'R'}, {'R', 'F'},
        {'f', 'l'}, {'l', 'b'}, {'b', 'r'}, {'r', 'f'}}},
      {"y2",
       {{"x", "x'"}, {"x'", "x"}, {"z", "z'"}, {"z'", "z"}, {"S", "S'"}, {"S'", "S"},
        {"M", "M'"}, {"M'", "M"}},
       {{'F', 'B'}, {'L', 'R'}, {'B', 'F'}, {'R', 'L'},
        {'f', 'b'}, {'l', 'r'}, {'b', 'f'}, {'r', 'l'}}},
      {"y'",
       {{"x", "z'"}, {"x'", "z"}, {"z", "x"}, {"z'", "x'"}, {"S", "M'"}, {"S'", "M"},
        {"S2", "M2"}, {"M", "S"}, {"M2", "S2"}, {"M'", "S'"}},
       {{'F', 'R'}, {'L', 'F'}, {'B', 'L'}, {'R', 'B'},
        {'f', 'r'}, {'l', 'f'}, {'b', 'l'}, {'r', 'b'}}},
      {"z",
       {{"x", "y'"}, {"x'", "y"}, {"y", "x"}, {"y'", "x'"}, {"E", "M"}, {"E'", "M'"},
        {"E2", "M2"}, {"M", "E'"}, {"M2", "E2"}, {"M'", "E"}},
       {{'U', 'R'}, {'R', 'D'}, {'D', 'L'}, {'L', 'U'},
        {'u', 'r'}, {'r', 'd'}, {'d', 'l'}, {'l', 'u'}}},
      {"z2",
       {{"y", "y'"}, {"y'", "y"}, {"x", "x'"}, {"x'", "x"}, {"M", "M'"}, {"M'", "M"},
        {"E", "E'"}, {"E'", "E"}},
       {{'U', 'D'}, {'R', 'L'}, {'L', 'R'}, {'D', 'U'},
        {'u', 'd'}, {'r', 'l'}, {'l', 'r'}, {'d', 'u'}}},
      {"z'",
       {{"x", "y"}, {"x'", "y'"}, {"y", "x'"}, {"y'", "x"}, {"M", "E"}, {"M'", "E'"},
        {"M2", "E2"}, {"E", "M'"}, {"E'", "M"}, {"E2", "M2"}},
       {{'U', 'L'}, {'L', 'D'}, {'D', 'R'}, {'R', 'U'},
        {'u', 'l'}, {'l', 'd'}, {'d', 'r'}, {'r', 'u'}}},
  }};
  return rules;
}

const std::string kEmpty;

}  // namespace

std::string InvertCommand(const std::string& text) {
  if (text.size() < 2) return text + "'";
  if (text.back() == '2') return text;
  if (text.back() == '\'') return text.substr(0, text.size() - 1);
  return text + "'";
}

const char* RotationToken(WholeRotation rotation) {
  return RelabelRules()[static_cast<int>(rotation)].token;
}

std::string RelabelCommand(WholeRotation rotation, const std::string& text) {
  const RelabelRule& rule = RelabelRules()[static_cast<int>(rotation)];
  for (const auto& [from, to] : rule.cells) {
    if (text == from) return to;
  }
  for (const auto& [from, to] : rule.letters) {
    if (text.find(from) != std::string::npos) {
      std::string out = text;
      std::replace(out.begin(), out.end(), from, to);
      return out;
    }
  }
  return text;
}

MoveLog::MoveLog() = default;

bool MoveLog::LoadSequence(const std::vector<std::string>& tokens) {
  if (tokens.size() > static_cast<size_t>(kMaxMoves)) return false;
  for (auto& cell : cells_) cell.clear();
  const int count = static_cast<int>(tokens.size());
  cells_[0] = kStartMarker;
  for (int i = 0; i < count; ++i) cells_[i + 1] = tokens[i];
  cells_[count + 1] = kEndMarker;
  pageOffset_ = 0;
  cursor_ = 0;
  forwardMode_ = 1;
  return true;
}

void MoveLog::ClearLog() {
  for (int i = 0; i < kCellsPerPage; ++i) cells_[i].clear();
}

const std::string& MoveLog::Cell(int index) const {
  return (index >= 0 && index < kCellCount) ? cells_[index] : kEmpty;
}

std::vector<std::string> MoveLog::Moves() const {
  std::vector<std::string> moves;
  if (IsEmpty()) return moves;
  for (int i = 1; i < kCellCount && !cells_[i].empty() && cells_[i] != kEndMarker; ++i) {
    moves.push_back(cells_[i]);
  }
  return moves;
}

std::vector<std::string> MoveLog::MovesFromCursor() const {
  std::vector<std::string> moves = Moves();
  const int played = cursor_ < 0 ? 0 : forwardMode_ ? cursor_ : cursor_ - 1;  // cells 1..played
  moves.erase(moves.begin(), moves.begin() + std::clamp(played, 0, static_cast<int>(moves.size())));
  return moves;
}

std::string MoveLog::PostedText(const PostedStep& step) const {
  const std::string& text = Cell(step.cell);
  return step.forwardMode ? text : InvertCommand(text);
}

std::vector<PostedStep> MoveLog::SetCursor(int index) {
  std::vector<PostedStep> posted;
  if (index != cursor_) posted.push_back({index, forwardMode_});
  cursor_ = index;
  ShowPageOf(index);
  return posted;
}

// The cursor never leaves the cells and nothing moves on an empty log (a cleared
// log keeps its cursor, so an arrow key must not walk past the last cell).
std::vector<PostedStep> MoveLog::StepForward() {
  if (IsEmpty() || cursor_ < 0 || IsCell(cursor_, kEndMarker)) return {};
  if (forwardMode_ == 0) {
    forwardMode_ = 1;
    return {{cursor_, 1}};
  }
  if (cursor_ + 1 >= kCellCount) return {};
  return SetCursor(cursor_ + 1);
}

std::vector<PostedStep> MoveLog::StepBack() {
  if (IsEmpty() || cursor_ < 0) return {};
  if (forwardMode_ == 1) {
    forwardMode_ = 0;
    return {{cursor_, 0}};
  }
  if (cursor_ > 0) return SetCursor(cursor_ - 1);
  return {};
}

std::vector<PostedStep> MoveLog::PressStepForward() {
  if (IsEmpty() || IsCell(cursor_, kEndMarker)) return {};
  return StepForward();
}

std::vector<PostedStep> MoveLog::PressStepBack() {
  if (IsEmpty() || cursor_ <= 0 || IsCell(cursor_, kStartMarker)) return {};
  if (forwardMode_ == 1) {
    // Step onto the last move and undo it, rather than "undo" the end marker.
    if (IsCell(cursor_, kEndMarker)) forwardMode_ = 0;
    return StepBack();
  }
  auto posted = StepBack();
  if (IsCell(cursor_, kStartMarker)) forwardMode_ = 1;
  return posted;
}

MoveLog::Jump MoveLog::JumpToEnd() {
  Jump jump;
  if (IsEmpty() || cursor_ < 0) return jump;
  jump.done = true;
  if (forwardMode_ == 0) {
    jump.commands.push_back(Cell(cursor_));
    forwardMode_ = 1;
  }
  int i = cursor_;
  while (i + 1 < kCellCount && !IsCell(i, kEndMarker)) {
    jump.commands.push_back(Cell(i + 1));
    ++i;
  }
  ShowPageOf(i);
  cursor_ = i;
  return jump;
}

MoveLog::Jump MoveLog::JumpToStart() {
  Jump jump;
  if (IsEmpty() || cursor_ < 0) return jump;
  jump.done = true;
  if (forwardMode_ == 1) {
    jump.commands.push_back(InvertCommand(Cell(cursor_)));
    forwardMode_ = 0;
  }
  for (int a = cursor_; a > 0 && !IsCell(a, kStartMarker); --a) {
    jump.commands.push_back(InvertCommand(Cell(a - 1)));
  }
  forwardMode_ = 1;
  pageOffset_ = 0;
  cursor_ = 0;
  return jump;
}

void MoveLog::Relabel(WholeRotation rotation, int order) {
  for (int i = 1; i < kCellCount && !cells_[i].empty(); ++i) {
    cells_[i] = RelabelCommand(rotation, cells_[i], order);
  }
}

DemoButtonLook DemoLook(Demo demo, bool running) {
  if (demo == Demo::Forward) {
    return running ? DemoButtonLook{"||", ROVAN_TR_NOOP("暂停正方向自动演示")}
                   : DemoButtonLook{">>", ROVAN_TR_NOOP("正方向自动演示")};
  }
  return running ? DemoButtonLook{"||", ROVAN_TR_NOOP("暂停反方向自动演示")}
                 : DemoButtonLook{"<<", ROVAN_TR_NOOP("反方向自动演示")};
}

void DemoState::Press(Demo demo) {
  Stop(demo == Demo::Forward ? Demo::Reverse : Demo::Forward);
  bool& flag = demo == Demo::Forward ? forward_ : reverse_;
  flag = !flag;
}

bool DemoState::Tick(Demo demo, const MoveLog& log) {
  if (!running(demo)) return false;
  const char* marker = demo == Demo::Forward ? kEndMarker : kStartMarker;
  if (log.Cell(log.cursor()) == marker) {
    Stop(demo);
    return false;
  }
  return true;
}

}  // namespace movelog
