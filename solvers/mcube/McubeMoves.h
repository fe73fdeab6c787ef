#pragma once
// Quarter turns of the 4×4×4 grid and the two-letter tokens that name them.
//
// A token is a layer letter, a direction letter and '.', e.g. "RU." or "dL.".
//   Layer letters, numbered from the low side of each axis (see McubeGrid.h):
//     left–right  L l r R   (x layers 1..4)
//     vertical    D d u U   (y layers 1..4)
//     front–back  F f b B   (z layers 1..4)
//     C           the whole cube
//   Direction letters:
//     U / D  front stickers of a left–right layer go to the top / bottom
//     L / R  front stickers of a horizontal layer go to the left / right
//     C / A  a front–back layer turns clockwise / anticlockwise seen from the front
// Turning layer 1 or 4 also turns the face stickers beyond it.
#include <string>
#include <string_view>

#include "solvers/mcube/McubeGrid.h"

namespace cube444 {

struct Turn {
  int axis = 0;      // 0 x (left–right), 1 y (vertical), 2 z (front–back)
  int layer = 0;     // 1..4; 0 for the whole cube
  bool positive = true;  // direction letter U, L or A (a +90° rotation about the axis)
};

constexpr int kTokenLength = 3;

// Reads the token at the start of `text`; false unless it is a known token.
bool ParseToken(std::string_view text, Turn& turn);
std::string TokenText(const Turn& turn);

void ApplyTurn(Grid& grid, const Turn& turn);
// Applies a run of tokens; false (and nothing applied from the faulty token on)
// when the text is not a run of tokens.
bool ApplyTokens(Grid& grid, std::string_view text);

// The same moves without whole-cube tokens: each one is dropped and every layer
// token after it is renamed to the layer it then turns. Applied to a cube, the
// result leaves every face as the original leaves it, up to the orientation.
std::string RemoveWholeCubeTurns(std::string_view text);

inline int TokenCount(std::string_view text) { return static_cast<int>(text.size()) / kTokenLength; }

}  // namespace cube444
