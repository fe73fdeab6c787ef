#include "solvers/orchestration/RandomStateScramble.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "input/Conversions.h"
#include "model/MoveNotation.h"
#include "model/WCube.h"
#include "solvers/orchestration/LogCells.h"
#include "solvers/nxn/NxNSolver.h"
#include "solvers/twophase/KFacelet.h"
#include "solvers/twophase/KubeFacelets.h"
#include "solvers/twophase/SolverControl.h"
#include "solvers/twophase/TwoPhaseSearch.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace orchestration {

namespace {

constexpr std::string_view kOwnFaces = "UFRBLD";  // the facelet text's face order and colour digits

// The program's facelet text of a labelled text "U:……… D:……… …" whose
// letters name the faces the stickers belong to.
std::string OwnFaceletsOf(const std::string& labelled) {
  std::string own(54, '0');
  for (size_t at = 0; at + 11 <= labelled.size(); at += 12) {  // "X:" and nine letters
    const size_t face = kOwnFaces.find(labelled[at]);
    for (int i = 0; i < 9; ++i) own[face * 9 + i] = static_cast<char>('0' + kOwnFaces.find(labelled[at + 2 + i]));
  }
  return own;
}

// The four corner stickers of each face of a 3×3×3 text: a 2×2×2 text.
std::string CornersOf(const std::string& own3) {
  std::string own2;
  for (int face = 0; face < 6; ++face)
    for (int i : {0, 2, 6, 8}) own2 += own3[face * 9 + i];
  return own2;
}

// The 24 orientations of the cube as whole-cube turns.
constexpr std::array<std::string_view, 6> kUpFaces = {"", "x", "x2", "x'", "z", "z'"};
constexpr std::array<std::string_view, 4> kTurnsAboutUp = {"", "y", "y2", "y'"};

// The 2×2×2 turned whole so that the corner at D, R and B holds its own
// colours, D's on the D side.
std::string WithFixedCorner(const std::string& own2) {
  constexpr int kD = 5 * 4 + 3, kR = 2 * 4 + 3, kB = 3 * 4 + 2;  // that corner's stickers
  for (std::string_view up : kUpFaces) {
    for (std::string_view about : kTurnsAboutUp) {
      // A scratch cube: this runs off the UI thread and must not touch the view's flags.
      model::WCube cube(model::WCube::Scratch{}, 2);
      cube.ImportColours(own2);
      model::ApplySequence(cube, up);
      model::ApplySequence(cube, about);
      const std::string text = cube.ExportColours();
      if (text[kD] == '5' && text[kR] == '2' && text[kB] == '3') return text;
    }
  }
  return own2;  // not reached for a legal cube
}

// Shows nothing; stops the search at the first short enough sequence.
class StopWhenShort : public twophase::OutputWindow {
 public:
  explicit StopWhenShort(twophase::SolverControl& control) : control_(control) {}
  void SetText(const std::string&) override {}
  void OnSolution(const std::string& moves, int length) override {
    moves_ = moves;
    if (length <= kLongestRandomState3) control_.stop.store(true);
  }
  const std::string& Moves() const { return moves_; }

 private:
  twophase::SolverControl& control_;
  std::string moves_;
};

std::optional<std::vector<std::string>> MovesReaching3(const std::string& facelets) {
  twophase::KFacelet read(input::ToLabelledFaces(facelets));
  if (read.Validate() != twophase::kFaceletsOk || !twophase::TablesReady()) return std::nullopt;
  // A control of its own, so that a "仙人解法" search running meanwhile is not disturbed.
  twophase::SolverControl control;
  StopWhenShort window(control);
  control.outputWindow = &window;
  const twophase::CKube cube = read;
  // Searched as the inverse position: the sequences shown solve the inverse,
  // so they turn the solved cube into this one.
  twophase::TwoPhaseSearch search(twophase::SharedTables(), control, cube, false, true);
  search.Run();
  return SplitSolution(window.Moves());
}

std::optional<std::vector<std::string>> MovesReaching2(const std::string& facelets) {
  nxn::NxNSolution solution;
  if (nxn::SolveNxN(2, input::ToSolverFaces(2, facelets), 3, solution) < 0) return std::nullopt;
  nxn::MoveList reaching(solution.moves.rbegin(), solution.moves.rend());
  for (nxn::MoveCode& m : reaching) m = nxn::Inverse(m);
  return SplitSolution(nxn::LongText(2, reaching));
}

}  // namespace

bool OffersRandomStateScramble(int order) { return order == 2 || order == 3; }

std::string RandomStateFacelets(int order, std::mt19937_64& rng) {
  // Any corner placement is reachable on the 2×2×2: the edges of the random
  // 3×3×3 absorb the parity, and fixing one corner leaves each state once.
  const std::string own3 = OwnFaceletsOf(twophase::LabelledFacesOf(twophase::RandomKube(rng)));
  return order == 2 ? WithFixedCorner(CornersOf(own3)) : own3;
}

std::optional<std::vector<std::string>> MovesReaching(int order, const std::string& facelets) {
  if (order == 3 && facelets.size() == 54) return MovesReaching3(facelets);
  if (order == 2 && facelets.size() == 24) return MovesReaching2(facelets);
  return std::nullopt;
}

RandomStateScramble MakeRandomStateScramble(int order, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  RandomStateScramble scramble;
  scramble.facelets = RandomStateFacelets(order, rng);
  scramble.moves = MovesReaching(order, scramble.facelets).value_or(std::vector<std::string>{});
  return scramble;
}

}  // namespace orchestration
