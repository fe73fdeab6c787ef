#include "solvers/twophase/SolverControl.h"

namespace twophase {

void SolverControl::Show(const std::string& text) {
  std::lock_guard<std::mutex> guard(lock);
  if (outputWindow) outputWindow->SetText(text);
}

SolverControl& Control() {
  static SolverControl control;
  return control;
}

}  // namespace twophase
