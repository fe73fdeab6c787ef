#pragma once
// The 4×4×4 colouring check as the solving form uses it: the facelet text goes
// into an mcube grid and the check's code comes back (0 the colouring is possible,
// see mcube.h for the others).
#include <string>

#include "solvers/mcube/McubeGrid.h"

namespace cube444 {

constexpr int kFacelets444 = 96;

// The grid of a 96-character facelet text (faces U, F, R, B, L, D, each row by row
// as seen from outside): colour digit '0'..'5' becomes code 1..6, any other
// character 0 (no colour). The text must have 96 characters.
Grid GridFromFacelets(const std::string& facelets96);

// The check's result code; 1 (nothing loaded) for a text that is not 96 characters.
int Check444(const std::string& facelets96);

}  // namespace cube444
