#include "model/SolutionCheck.h"

#include <algorithm>

#include "model/MoveNotation.h"
#include "model/WCube.h"

namespace model {

int OrderOfFacelets(const std::string& facelets) {
  if (!std::all_of(facelets.begin(), facelets.end(), [](char c) { return c >= '0' && c <= '5'; })) return 0;
  for (int n = kMinOrder; n <= kMaxOrder; ++n)
    if (facelets.size() == static_cast<size_t>(6 * n * n)) return n;
  return 0;
}

bool FacesUniform(const std::string& facelets, int order) {
  const size_t face = static_cast<size_t>(order) * order;
  if (order < kMinOrder || facelets.size() != 6 * face) return false;
  for (size_t f = 0; f < 6; ++f) {
    const auto begin = facelets.begin() + static_cast<std::ptrdiff_t>(f * face);
    if (std::any_of(begin, begin + static_cast<std::ptrdiff_t>(face), [&](char c) { return c != *begin; }))
      return false;
  }
  return true;
}

bool SolvesCube(const std::string& facelets, const std::vector<std::string>& wholeTurns,
                const std::vector<std::string>& moves) {
  const int order = OrderOfFacelets(facelets);
  if (order == 0) return false;
  WCube cube(WCube::Scratch{}, order);
  cube.ImportColours(facelets);
  for (const auto& turn : wholeTurns) ApplyCommand(cube, turn, 0, 0, 0);
  for (const auto& move : moves) ApplyCommand(cube, move, 0, 0, 0);
  return FacesUniform(cube.ExportColours(), order);
}

}  // namespace model
