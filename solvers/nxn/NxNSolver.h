#pragma once
// The N×N solver: one entry for every order 1..7. It validates the colouring,
// then solves: an optimal search at order 2, the three-stage solver at order 3,
// reduction to a 3×3×3 finished by the three-stage solver from order 4 up.
//
// Input: the SolverFaces text (input::ToSolverFaces): 6N² bytes 1..6, faces
// L, R, U, D, F, B (frame and layers in NxNGeometry.h). The solution turns the
// cube as given; orientation numbers only say how the window may show it.
#include <string>

#include "solvers/nxn/NxNMoves.h"
#include "solvers/nxn/NxNValidate.h"

namespace nxn {

struct NxNSolution {
  MoveList moves;
  std::string text;      // the program's form (SolutionText), or the diagnostic
  int orientation3 = 0;  // 0..5, the three-stage solver's winning orientation
  int orientationN = 0;  // 1..24 for N ≥ 4: the orientation whose reduction won
};

// Returns the number of moves (≥ 0) or a code −1..−4 (NxNValidate.h) with its
// diagnostic in text. mode 0 (beginner) or 3 (advanced). A text of the wrong
// length or an order outside 1..7 gives −1.
int SolveNxN(int order, const std::string& solverFaces, int mode, NxNSolution& out);

// The same with the caller's text buffer and orientation outputs.
int SolveNxN(int order, std::string& text, const std::string& solverFaces, int mode, int& orientation3,
             int& orientationN);

// The diagnostic of a code (empty for codes ≥ 0).
const char* Diagnostic(int code);

}  // namespace nxn
