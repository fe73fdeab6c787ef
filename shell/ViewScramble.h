#pragma once
// The scramble of the 3D view's cube: "Rotation Count" random single-layer
// quarter turns chosen by model/Scrambler.h. An animated scramble lets other
// events run between its turns and ends early when the view's stop flag is set
// (the window is closing); a finished one sounds its last turn's axis, empties
// the turn history, marks the document modified and repaints.
#include <cstdint>
#include <vector>

#include "model/Scrambler.h"

namespace view {
class CRubikView;
}

namespace shell {

struct ScrambleResult {
  bool finished = false;  // false: stopped by the stop flag, nothing after the turns was done
  std::vector<scramble::ScrambleTurn> turns;
};

ScrambleResult Scramble(view::CRubikView& view, int animate, int record, int sound, std::uint32_t seed);
// The seed of a scramble started now: the calendar time in seconds.
std::uint32_t TimeSeed();

}  // namespace shell
