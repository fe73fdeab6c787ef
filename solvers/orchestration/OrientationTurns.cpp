#include "solvers/orchestration/OrientationTurns.h"

#include <array>

namespace orchestration {

namespace {

Turns One(const char* turn) { return turn[0] ? Turns{turn} : Turns{}; }

}  // namespace

Turns LayeredOrientationTurns(int k) {
  static constexpr std::array<const char*, 6> kByPrefix = {"", "x", "x2", "x'", "z", "z'"};
  static constexpr std::array<const char*, 4> kByYTurns = {"y", "y2", "y'", ""};
  if (k < 0 || k >= 24) return {};
  Turns out = One(kByPrefix[k / 4]);
  for (auto& t : One(kByYTurns[k % 4])) out.push_back(t);
  return out;
}

Turns PetrusOrientationTurns(int code) {
  const std::string digits = std::to_string(code);
  if (digits.size() < 3) return {};
  Turns out;
  switch (digits[1]) {
    case '1': out.push_back("x"); break;
    case '2': out.push_back("z'"); break;
    case '3': out.push_back("x'"); break;
    case '4': out.push_back("z"); break;
    case '5': out.push_back("z2"); break;
    default: break;
  }
  switch (digits[2]) {
    case '2': out.push_back("y"); break;
    case '3': out.push_back("y2"); break;
    case '4': out.push_back("y'"); break;
    default: break;
  }
  return out;
}

Turns NxNOrientation3Turns(int a) {
  static constexpr std::array<const char*, 6> kTurns = {"", "x", "x2", "x'", "z", "z'"};
  return a >= 0 && a < 6 ? One(kTurns[a]) : Turns{};
}

Turns NxNOrientationNTurns(int b) {
  static const std::array<Turns, 24> kTurns = {{
      {},            {"y'"},        {"x", "y'"},  {"x2", "y'"}, {"x'", "y'"}, {"z", "y'"},
      {"x"},         {"z'", "y"},   {"x'", "y2"}, {"x2", "y"},  {"x", "y"},   {"y"},
      {"x'", "y2"},  {"z'", "y'"},  {"x", "y2"},  {"z", "y"},   {"x'"},       {"z", "y2"},
      {"x2"},        {"z'", "y2"},  {"y2"},       {"z'"},       {"x2", "y2"}, {"z"},
  }};
  return b >= 0 && b < 24 ? kTurns[b] : Turns{};
}

Turns EvenOrderCounter::Next() {
  count_ += 1;
  static const std::array<const char*, 3> kPairs = {"y2", "z2", "x2"};
  const char* turn = kPairs[(count_ - 1) % 3];
  if (count_ >= 3) count_ = 0;
  return {turn, turn};
}

Turns TakeResultTurns(int r) {
  static const std::array<const char*, 3> kPairs = {"y2", "z2", "x2"};
  const char* turn = kPairs[((r % 3) + 3) % 3];
  return {turn, turn};
}

}  // namespace orchestration

