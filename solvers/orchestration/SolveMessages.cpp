#include "solvers/orchestration/SolveMessages.h"

namespace orchestration {

std::string MessageForLayered(int code) {
  switch (code) {
    case 0: return "";
    case 1: return kMsgBadColours;
    default: return kMsgCannotSolve;
  }
}

std::string MessageForNxN(int result) {
  if (result >= 0) return "";
  switch (result) {
    case -2: return kMsgBadCorners;
    case -3: return kMsgBadEdges;
    default: return kMsgCannotSolve;  // −1, −4 and anything unforeseen
  }
}

std::string MessageForPetrus(int setFaceletsCode, int runCode) {
  if (setFaceletsCode != 0) return kMsgBadColours;
  if (runCode != 0) return kMsgCannotSolve;
  return "";
}

std::string MessageForCheck444(int code) { return code != 0 ? kMsgCannotSolve : ""; }

}  // namespace orchestration
