#pragma once
// The solve routes' calls into the solvers that live in their own folders.
// Every such call goes through this one header, so wiring a solver in touches
// only SolverBackends.cpp. A call whose solver is not part of this build
// answers built = false.
#include <string>

#include "solvers/orchestration/OrientationTurns.h"

namespace orchestration {

// SolveNxN(order, SolverFaces, mode): SolverFaces from input::ToSolverFaces;
// mode 0 beginner, 3 advanced. result: the move count (≥ 0) or −1..−4.
struct NxNAnswer {
  bool built = false;
  int result = 0;
  std::string text;      // the moves, separated by spaces
  int orientation3 = 0;  // 0..5, order 3
  int orientationN = 0;  // 1..24, orders 4 and up
};
NxNAnswer CallNxN(int order, const std::string& solverFaces, int mode);

// PetrusSolver on CentreCodes (input::ToCentreCodes): SetFacelets, then Run,
// then NextMove until it gives the empty text.
struct PetrusAnswer {
  bool built = false;
  int setFaceletsCode = 0;  // 0, or 1..3 refused
  int runCode = 0;          // 0, or 4/5 failed
  std::string text;         // the NextMove texts joined by single spaces
  int orientationCode = 0;  // 100 + 10·(U-centre digit) + (F-centre digit)
};
PetrusAnswer CallPetrus(const std::string& centreCodes);
// The turns of log and cube that show the Petrus solution's frame.
Turns PetrusFrameTurns(int orientationCode);

// The 4×4×4 colouring check mcube on a 96-character facelet text; 0 accepts.
struct CheckAnswer {
  bool built = false;
  int code = 0;
};
CheckAnswer CallCheck444(const std::string& facelets96);

}  // namespace orchestration
