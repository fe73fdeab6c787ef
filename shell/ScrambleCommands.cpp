#include "shell/ScrambleCommands.h"

#include <QCoreApplication>
#include <random>

#include "model/MoveNotation.h"
#include "model/StandardNotation.h"
#include "solvers/orchestration/RandomStateScramble.h"
#include "solvers/twophase/TwoPhaseSolver.h"

#include "settings/Settings.h"
#include "shell/COpLogForm.h"
#include "shell/ViewScramble.h"
#include "view/CRubikView.h"

namespace shell {

ScrambleCommands::ScrambleCommands(view::CRubikView& view, COpLogForm& logForm, QObject* parent)
    : QObject(parent), view_(view), logForm_(logForm) {}

ScrambleCommands::~ScrambleCommands() {
  if (randomStateWorker_.joinable()) randomStateWorker_.join();
}

SolveButtons ScrambleCommands::ButtonsAfterSlowScramble(int order) {
  if (order == 3) return {true, true, true};
  if (order == 2) return {true, true, false};
  return {false, true, false};
}

void ScrambleCommands::SlowScramble() {
  ++slowDepth_;
  emit solveButtonsEnabled({false, false, false});
  logForm_.StopDemonstration();
  logForm_.ClearLog();
  Scramble(view_, settings::gSettings.showRotations != 0 ? 1 : 0, 0, 1, TimeSeed());
  // The buttons come back once no slow scramble runs any more (one may have
  // started another), for the order the cube has now (a new game may have run).
  if (--slowDepth_ == 0) emit solveButtonsEnabled(ButtonsAfterSlowScramble(view_.Cube().Order()));
}

void ScrambleCommands::FastScramble() {
  logForm_.StopDemonstration();
  Scramble(view_, 0, 0, 0, TimeSeed());
  logForm_.ClearLog();
}

void ScrambleCommands::RandomStateScramble() {
  const int order = view_.Cube().Order();
  if (randomStateRunning_ || !orchestration::OffersRandomStateScramble(order)) return;
  if (randomStateWorker_.joinable()) randomStateWorker_.join();
  randomStateRunning_ = true;
  const std::uint64_t seed = (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ TimeSeed();
  const auto tableFiles = twophase::TableFileCandidates(QCoreApplication::applicationDirPath().toStdString());
  randomStateWorker_ = std::thread([this, order, seed, tableFiles] {
    // Loading the tables only when missing: a load resets the best length of a
    // "仙人解法" search that may be running.
    const bool ready = order != 3 || twophase::TablesReady() || twophase::PrepareTables(tableFiles, nullptr);
    const auto moves = ready ? orchestration::MakeRandomStateScramble(order, seed).moves : std::vector<std::string>{};
    QMetaObject::invokeMethod(this, [this, order, moves] { FinishRandomState(order, moves); }, Qt::QueuedConnection);
  });
}

void ScrambleCommands::FinishRandomState(int order, const std::vector<std::string>& moves) {
  randomStateRunning_ = false;
  model::WCube& cube = view_.Cube();
  // A new game or the closing window meanwhile makes the result useless.
  if (moves.empty() || cube.Order() != order || view_.stopFlag == 1) return;
  logForm_.StopDemonstration();
  for (const std::string& move : moves) model::ApplyCommand(cube, move, 0, 0, 0);
  if (model::TurnPresenter* presenter = cube.Presenter()) {
    if (const auto blocks = model::BlocksOfToken(order, moves.back())) presenter->PlayAxisSound(blocks->front().axis);
  }
  cube.history.clear();
  emit view_.documentModified();
  view_.update();
  logForm_.ClearLog();
}

void ScrambleCommands::SolverFastScramble() {
  logForm_.StopDemonstration();
  Scramble(view_, 0, 0, 0, TimeSeed());
  logForm_.LoadSequence({});
}

}  // namespace shell
