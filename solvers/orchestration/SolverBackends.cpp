// Wiring of the solve routes to the other solvers. Each function is a one-line
// call into its solver once that solver is part of the build; until then it
// answers built = false and the route says so.
#include "solvers/orchestration/SolverBackends.h"

#include "solvers/mcube/Check444.h"
#include "solvers/nxn/NxNSolver.h"
#include "solvers/petrus/PetrusRoute.h"

namespace orchestration {

NxNAnswer CallNxN(int order, const std::string& solverFaces, int mode) {
  nxn::NxNSolution solution;
  const int result = nxn::SolveNxN(order, solverFaces, mode, solution);
  return {true, result, result >= 0 ? solution.text : std::string(), solution.orientation3,
          solution.orientationN};
}

// Centre codes are a facelet text whose colours are already the centres' faces,
// so the Petrus route's own renumbering leaves them as they are.
PetrusAnswer CallPetrus(const std::string& centreCodes) {
  const petrus::RouteResult r = petrus::SolveFacelets(centreCodes);
  PetrusAnswer answer;
  answer.built = true;
  if (r.code >= 1 && r.code <= 3) answer.setFaceletsCode = r.code;
  if (r.code >= 4) answer.runCode = r.code;
  answer.text = r.solution;
  answer.orientationCode = r.orientationCode;
  return answer;
}

// The geometric frame turns: the digit table picks the wrong y turn for 13 of
// the 24 codes (the solution stays valid, but the view ends in another frame).
Turns PetrusFrameTurns(int orientationCode) { return petrus::FrameTurns(orientationCode); }

CheckAnswer CallCheck444(const std::string& facelets96) { return {true, cube444::Check444(facelets96)}; }

}  // namespace orchestration
