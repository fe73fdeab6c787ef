// Wiring of the solve routes to the other solvers. Each function is a one-line
// call into its solver once that solver is part of the build; until then it
// answers built = false and the route says so.
#include "solvers/orchestration/SolverBackends.h"

#include "solvers/mcube/Check444.h"

namespace orchestration {

NxNAnswer CallNxN(int /*order*/, const std::string& /*solverFaces*/, int /*mode*/) { return {}; }

PetrusAnswer CallPetrus(const std::string& /*centreCodes*/) { return {}; }

Turns PetrusFrameTurns(int orientationCode) { return PetrusOrientationTurns(orientationCode); }

CheckAnswer CallCheck444(const std::string& facelets96) { return {true, cube444::Check444(facelets96)}; }

}  // namespace orchestration
