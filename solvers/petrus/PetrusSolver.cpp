#include "solvers/petrus/PetrusSolver.h"

#include <algorithm>
#include <array>

#include "solvers/petrus/PetrusStages.h"
#include "solvers/petrus/TrackedCube.h"

namespace petrus {

PetrusSolver::PetrusSolver() : facelets_(kSolvedFacelets) {}

int PetrusSolver::SetFacelets(std::string_view text) {
  if (text.size() != kFaceletCount) return kFaceletsWrongLength;
  std::array<int, 6> counts{};
  for (char ch : text) {
    if (ch < '0' || ch > '5') return kFaceletsBadCharacter;
    ++counts[ch - '0'];
  }
  if (std::any_of(counts.begin(), counts.end(), [](int n) { return n != 9; })) return kFaceletsBadCount;
  facelets_ = text;
  ready_ = true;
  return kFaceletsOk;
}

int PetrusSolver::Run(TableUsage* usage) {
  if (!ready_) return kRunNotReady;
  solved_ = false;
  const StageContext context{usage};
  Candidates candidates;
  const bool done = BuildFirstBlocks(facelets_, candidates, context) && ExtendBlocks(candidates, context) &&
                    OrientEdges(candidates, context) && FinishFirstTwoLayers(candidates, context) &&
                    SolveLastLayer(candidates, context);
  if (!done || candidates.empty()) return kRunUnsolvable;

  // The first of the shortest.
  const auto best = std::min_element(candidates.begin(), candidates.end(),
                                     [](const TrackedCube& x, const TrackedCube& y) {
                                       return x.MoveCount() < y.MoveCount();
                                     });
  const std::string& moves = best->moveList();
  solutionMoves_.clear();
  solutionTexts_.clear();
  for (size_t i = 0; i + 1 < moves.size(); i += 2) {
    solutionMoves_.push_back(moves.substr(i, 2));
    solutionTexts_.push_back(StandardNotation(solutionMoves_.back()));
  }
  orientationCode_ = best->orientationCode();
  cursor_ = 0;
  solved_ = true;
  return kRunOk;
}

std::string PetrusSolver::CurrentFacelets() const { return solved_ ? facelets_ : kNotSolvedText; }

std::string PetrusSolver::NextMove() {
  if (!solved_) return kNotSolvedText;
  if (cursor_ >= solutionMoves_.size()) return {};
  ApplyPlainMove(facelets_, solutionMoves_[cursor_]);
  return solutionTexts_[cursor_++];
}

}  // namespace petrus
