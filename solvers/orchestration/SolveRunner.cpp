#include "solvers/orchestration/SolveRunner.h"

#include <algorithm>
#include <optional>

#include "input/Conversions.h"
#include "model/MoveNotation.h"
#include "model/SolutionCheck.h"
#include "model/WCube.h"
#include "solvers/layered/CubeSolver.h"
#include "solvers/noformula/NoFormulaSolver.h"
#include "solvers/orchestration/DirectSolve.h"
#include "solvers/orchestration/SolveMessages.h"
#include "solvers/orchestration/SolverBackends.h"

namespace orchestration {

namespace {

using Status = SolveOutcome::Status;

SolveOutcome Refused(std::string message, Turns cubeTurns = {}) {
  SolveOutcome out;
  out.status = Status::kRefused;
  out.message = std::move(message);
  out.cubeTurns = std::move(cubeTurns);
  return out;
}

SolveOutcome WithStatus(Status status, std::string note) {
  SolveOutcome out;
  out.status = status;
  out.message = std::move(note);
  return out;
}

SolveOutcome Loaded(const Cells& moves) {
  SolveOutcome out;
  out.status = Status::kLoaded;
  out.cells = LoadSolution(moves);
  return out;
}

std::string TurnFacelets(int order, const std::string& facelets, const std::string& turn) {
  model::WCube cube(model::WCube::Scratch{}, order);
  cube.ImportColours(facelets);
  model::ApplyCommand(cube, turn, 0, 0, 0);
  return cube.ExportColours();
}

// Brings the U and D colours (tool colours '0' and '5') onto the vertical axis
// and F/B colours to the front, as the no-formula route shows its solve.
Turns NoFormulaCubeTurns(std::string& facelets) {
  static constexpr int kCentreU = 4, kCentreF = 13, kCentreR = 22, kCentreB = 31, kCentreL = 40;
  auto upOrDown = [&](int at) { return facelets[at] == '0' || facelets[at] == '5'; };
  Turns turns;
  for (int at : {kCentreF, kCentreR, kCentreB, kCentreL}) {
    if (!upOrDown(at)) continue;
    turns.push_back(at == kCentreF || at == kCentreB ? "x'" : "z'");
    facelets = TurnFacelets(3, facelets, turns.back());
    break;
  }
  if (upOrDown(kCentreU) && facelets[kCentreF] != '1' && facelets[kCentreF] != '3') {
    turns.push_back("y");
    facelets = TurnFacelets(3, facelets, turns.back());
  }
  return turns;
}

SolveOutcome SolveByLayers(const std::string& facelets, const SolveOptions& options) {
  layered::CCubeSolver solver;
  solver.LoadText(facelets);
  const int code = solver.Solve();
  if (code != layered::kSolved) return Refused(MessageForLayered(code));
  if (options.primarySolution != 1) {
    SolveOutcome out = Loaded(LayeredTokensToCells(solver.Solution()));
    out.logTurns = LayeredOrientationTurns(solver.OrientationNumber());
    return out;
  }
  std::string turned = facelets;
  Turns cubeTurns = NoFormulaCubeTurns(turned);
  const std::string text = input::IsUniform(turned) ? "[1] [2] [3] [4] [5] [6]"
                                                    : noformula::SolveNoFormula(input::ToPieceString(turned));
  SolveOutcome out = Loaded(SplitSolution(text));
  out.cubeTurns = std::move(cubeTurns);
  return out;
}

// Even orders are solved turned over (x2) and the log re-lettered back.
SolveOutcome SolveNxN(int order, const std::string& facelets, int mode, NxNAnswer& answer) {
  const bool even = order % 2 == 0;
  const std::string faces =
      input::ToSolverFaces(order, even ? input::TurnWholeX2(order, facelets) : facelets);
  answer = CallNxN(order, faces, mode);
  if (!answer.built) return WithStatus(Status::kNotBuilt, "the N×N solver is not built in this version");
  if (answer.result < 0) return Refused(MessageForNxN(answer.result));
  SolveOutcome out = Loaded(SplitSolution(answer.text));
  out.relabelX2 = even;
  return out;
}

SolveOutcome SolvePetrus(const std::string& facelets) {
  const PetrusAnswer answer = CallPetrus(input::ToCentreCodes(facelets));
  if (!answer.built) return WithStatus(Status::kNotBuilt, "the Petrus solver is not built in this version");
  const std::string message = MessageForPetrus(answer.setFaceletsCode, answer.runCode);
  if (!message.empty()) return Refused(message);
  SolveOutcome out = Loaded(SplitSolution(answer.text));
  out.logTurns = PetrusFrameTurns(answer.orientationCode);
  return out;
}

// A cube a few turns from solved gets the short search's answer, written as
// the route writes its moves; the route's method runs only when it finds none.
std::optional<SolveOutcome> DirectOutcome(const std::string& facelets, Route route) {
  static constexpr struct {
    Route route;
    RouteNotation notation;
  } kNotations[] = {
      {Route::kNxNBeginner, RouteNotation::kProgramForm},     {Route::kLayered, RouteNotation::kFaceTurns},
      {Route::kNoFormula, RouteNotation::kFaceTurns},         {Route::kPetrus, RouteNotation::kFaceTurns},
      {Route::kCheck444ThenNxN, RouteNotation::kProgramForm}, {Route::kNxNAdvanced, RouteNotation::kProgramForm},
  };
  for (const auto& entry : kNotations) {
    if (entry.route != route) continue;
    const auto moves = DirectSolution(facelets, entry.notation);
    if (!moves) return std::nullopt;
    return Loaded(*moves);
  }
  return std::nullopt;  // refused or not offered: the route answers as it always does
}

// A loaded result is played on a copy of the cube first; one that does not
// solve it is refused with the colour message, and neither cube nor log moves.
SolveOutcome Checked(const std::string& facelets, SolveOutcome out) {
  if (out.status != Status::kLoaded) return out;
  if (model::SolvesCube(facelets, AllCubeTurns(out), FinalCells(out))) return out;
  return Refused(kMsgCannotSolve);
}

SolveOutcome BeginnerUnchecked(const std::string& facelets, int order, const SolveOptions& options) {
  const Route route = BeginnerRoute(order, options);
  if (auto direct = DirectOutcome(facelets, route)) return *direct;
  switch (route) {
    case Route::kRefuseHighOrder: return Refused(kMsgHighOrder);
    case Route::kNxNBeginner: {
      NxNAnswer answer;
      return SolveNxN(order, facelets, 0, answer);
    }
    case Route::kLayered:
    case Route::kNoFormula: return SolveByLayers(facelets, options);
    default: return WithStatus(Status::kNotOffered, "the beginner solve is not offered at this order");
  }
}

SolveOutcome AdvancedUnchecked(const std::string& facelets, int order, const SolveOptions& options,
                               EvenOrderCounter& counter) {
  const Route route = AdvancedRoute(order, options);
  if (route == Route::kRefuseHighOrder) return Refused(kMsgHighOrder);
  if (auto direct = DirectOutcome(facelets, route)) return *direct;
  if (route == Route::kPetrus) return SolvePetrus(facelets);
  if (route == Route::kCheck444ThenNxN) {
    const CheckAnswer check = CallCheck444(facelets);
    if (!check.built) return WithStatus(Status::kNotBuilt, "the 4×4×4 check is not built in this version");
    if (check.code != 0) return Refused(MessageForCheck444(check.code));
  }
  NxNAnswer answer;
  SolveOutcome out = SolveNxN(order, facelets, 3, answer);
  if (out.status != Status::kLoaded) return out;
  if (order == 3) out.logTurns = NxNOrientation3Turns(answer.orientation3);
  else if (order % 2 == 0) out.logTurns = counter.Next();
  else out.logTurns = NxNOrientationNTurns(answer.orientationN);
  return out;
}

}  // namespace

int OrderOfFacelets(const std::string& facelets) { return model::OrderOfFacelets(facelets); }

SolveOutcome RunBeginner(const std::string& facelets, const SolveOptions& options) {
  const int order = OrderOfFacelets(facelets);
  if (order == 0) return WithStatus(Status::kBadInput, "not a facelet text of order 2 to 7");
  return Checked(facelets, BeginnerUnchecked(facelets, order, options));
}

SolveOutcome RunAdvanced(const std::string& facelets, const SolveOptions& options,
                         EvenOrderCounter& counter) {
  const int order = OrderOfFacelets(facelets);
  if (order == 0) return WithStatus(Status::kBadInput, "not a facelet text of order 2 to 7");
  return Checked(facelets, AdvancedUnchecked(facelets, order, options, counter));
}

Cells FinalCells(const SolveOutcome& outcome) {
  Cells cells = outcome.cells;
  if (outcome.relabelX2) RelabelX2(cells);
  for (const auto& turn : outcome.logTurns) RotateLogCells(cells, turn);
  return cells;
}

Turns AllCubeTurns(const SolveOutcome& outcome) {
  Turns turns = outcome.cubeTurns;
  turns.insert(turns.end(), outcome.logTurns.begin(), outcome.logTurns.end());
  return turns;
}

}  // namespace orchestration
