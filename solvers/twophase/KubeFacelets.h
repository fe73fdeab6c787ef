#pragma once
// From a CKube back to a labelled facelet text, and uniformly random cubes (for
// random-state scrambles, benchmarks, tools and tests).
#include <random>
#include <string>

#include "solvers/twophase/CKube.h"

namespace twophase {

// "U:……… D:……… L:……… R:……… F:……… B:………" with each facelet written as the
// letter of its home face.
std::string LabelledFacesOf(const CKube& cube);

// Every solvable position equally likely.
CKube RandomKube(std::mt19937_64& rng);

}  // namespace twophase
