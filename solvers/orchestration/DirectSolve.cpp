#include "solvers/orchestration/DirectSolve.h"

#include "input/Conversions.h"
#include "model/SolutionCheck.h"
#include "solvers/nxn/ShortSearch.h"
#include "solvers/orchestration/SolveRunner.h"

namespace orchestration {

std::optional<Cells> DirectSolution(const std::string& facelets, RouteNotation notation) {
  const int order = OrderOfFacelets(facelets);
  if (order == 0) return std::nullopt;
  const nxn::TurnSet turns =
      notation == RouteNotation::kFaceTurns ? nxn::TurnSet::kOuterLayers : nxn::TurnSet::kAllLayers;
  const auto moves = nxn::ShortSolution(order, input::ToSolverFaces(order, facelets), turns);
  if (!moves) return std::nullopt;
  const std::string text =
      notation == RouteNotation::kLongForm ? nxn::LongText(order, *moves) : nxn::SolutionText(order, *moves);
  Cells cells = SplitSolution(text);
  // The search and the notation are separate pieces of work; only a checked answer is given.
  if (!model::SolvesCube(facelets, {}, cells)) return std::nullopt;
  return cells;
}

}  // namespace orchestration
