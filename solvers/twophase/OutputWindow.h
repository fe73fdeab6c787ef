#pragma once
// Where the two-phase solver shows its texts: progress bars, the error message,
// "魔方已经复原" and ever shorter solutions. Each text replaces the previous one.
// Called from the solving threads; implementations must be thread-safe.
#include <string>

namespace twophase {

class OutputWindow {
 public:
  virtual ~OutputWindow() = default;
  // The whole new text (UTF-8). A solution is move names separated by single
  // spaces, or by "\r\n" where a line already holds 70 characters.
  virtual void SetText(const std::string& text) = 0;
  // A strictly shorter solution was shown: its moves separated by single spaces.
  virtual void OnSolution(const std::string& moves, int length) {}
  // A shorter solution: its box text and its moves, as one change.
  virtual void ShowSolution(const std::string& text, const std::string& moves, int length) {
    SetText(text);
    OnSolution(moves, length);
  }
};

}  // namespace twophase
