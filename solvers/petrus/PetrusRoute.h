#pragma once
// The Petrus route as the solving form and rovan-cli use it: from the cube's
// facelet text to a solution, the refusal messages, and the whole-cube turns
// that show the cube in the solution's frame.
#include <string>
#include <vector>

namespace petrus {

struct RouteResult {
  // 0 solved; 1–3 the colouring was refused (PetrusSolver::SetFacelets: wrong
  // length, a character outside '0'–'5' or a centre colour used twice, a colour
  // not exactly 9 times); 4 the colouring cannot be solved.
  int code = 0;
  // The solution in standard face-turn notation, moves separated by single
  // spaces ("R U2 F'"); empty for a solved cube or when code is not 0. Applied to
  // the input cube as it stands, it solves it.
  std::string solution;
  // The orientation code: 100 + 10 × u + f, where u and f are the faces of the
  // input (0 U, 1 F, 2 R, 3 B, 4 L, 5 D) whose centres the solver had on its U
  // and F when it finished its first block. The solution was found in that
  // frame; the form turns its view there (FrameTurns). 112 means the input's
  // own frame. 0 when code is not 0.
  int orientationCode = 0;
};

// facelets: the cube's facelet text (54 characters '0' + colour, faces U F R B L
// D). The colours are first renumbered by the centres (input::ToCentreCodes).
RouteResult SolveFacelets(const std::string& facelets);

// The message the form shows for a code that is not 0, else "".
const char* RouteMessage(int code);

// Whole-cube turns in standard notation ("x", "z'", "y2", …) that bring face u
// of the orientation code to U and face f to F: first by u (1 "x", 2 "z'",
// 3 "x'", 4 "z", 5 "z2", 0 none), then the y turn that brings f to the front
// from wherever the first turn left it. Empty for codes outside 100–155 or with
// u and f not neighbours. Turning the cube and re-lettering the loaded
// solution with each turn (as the move log does) keeps the solution valid.
std::vector<std::string> FrameTurns(int orientationCode);

}  // namespace petrus
