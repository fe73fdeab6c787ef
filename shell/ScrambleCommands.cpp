#include "shell/ScrambleCommands.h"

#include "settings/Settings.h"
#include "shell/COpLogForm.h"
#include "shell/ViewScramble.h"
#include "view/CRubikView.h"

namespace shell {

ScrambleCommands::ScrambleCommands(view::CRubikView& view, COpLogForm& logForm, QObject* parent)
    : QObject(parent), view_(view), logForm_(logForm) {}

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

void ScrambleCommands::SolverFastScramble() {
  logForm_.StopDemonstration();
  Scramble(view_, 0, 0, 0, TimeSeed());
  logForm_.LoadSequence({});
}

}  // namespace shell
