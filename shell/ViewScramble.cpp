#include "shell/ViewScramble.h"

#include <QCoreApplication>
#include <chrono>
#include <ctime>

#include "settings/Settings.h"
#include "view/CRubikView.h"

namespace shell {

namespace {

std::int64_t TickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Lets pending events run (another command, a log button, the close) until the
// millisecond tick has moved on. False when the stop flag was set meanwhile.
bool PumpEvents(const view::CRubikView& view) {
  const std::int64_t entry = TickCount();
  do {
    QCoreApplication::processEvents();
    if (view.stopFlag == 1) return false;
  } while (TickCount() <= entry);
  return true;
}

}  // namespace

std::uint32_t TimeSeed() { return static_cast<std::uint32_t>(std::time(nullptr)); }

ScrambleResult Scramble(view::CRubikView& view, int animate, int record, int sound, std::uint32_t seed) {
  ScrambleResult result;
  model::WCube& cube = view.Cube();
  const int count = settings::gSettings.rotationCount;
  scramble::TurnSelector selector(cube.Order(), settings::gSettings.keepCenter != 0, seed);
  result.turns.reserve(count > 0 ? count : 0);
  for (int i = 0; i < count; ++i) {
    if (view.stopFlag == 1) return result;
    const scramble::ScrambleTurn turn = selector.Next();
    result.turns.push_back(turn);
    cube.TurnLayer(turn.axis, turn.layer, turn.dir, animate, record, sound);
    if (animate && !PumpEvents(view)) return result;
  }
  // The closing sound plays whatever `sound` says.
  if (model::TurnPresenter* presenter = cube.Presenter())
    presenter->PlayAxisSound(scramble::FinalSoundAxis(result.turns, animate != 0));
  cube.ClearHistory();
  emit view.documentModified();
  view.update();
  result.finished = true;
  return result;
}

}  // namespace shell
