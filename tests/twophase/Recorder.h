#pragma once
// Test support: an output window that keeps every text and solution it is shown.
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "solvers/twophase/OutputWindow.h"

namespace twophase_test {

class Recorder : public twophase::OutputWindow {
 public:
  // Called (on a solving thread) after each solution is recorded.
  std::function<void(const std::string& moves, int length)> onSolution;

  void SetText(const std::string& text) override {
    std::lock_guard<std::mutex> guard(mutex_);
    texts_.push_back(text);
  }
  void OnSolution(const std::string& moves, int length) override {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      solutions_.emplace_back(moves, length);
    }
    if (onSolution) onSolution(moves, length);
  }
  std::vector<std::string> Texts() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return texts_;
  }
  std::vector<std::pair<std::string, int>> Solutions() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return solutions_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
  std::vector<std::pair<std::string, int>> solutions_;
};

}  // namespace twophase_test
