#pragma once
// Which whole-cube turns of log and cube follow a loaded solution. Each turns
// the cube and re-letters the log, so the solution stays valid; they only
// change how the cube faces the user.
#include <string>
#include <vector>

namespace orchestration {

using Turns = std::vector<std::string>;

// Layer-by-layer solver, orientation number k = 0..23: by k/4 (1 x, 2 x2, 3 x',
// 4 z, 5 z'), then by k mod 4 (0 y, 1 y2, 2 y', 3 nothing).
Turns LayeredOrientationTurns(int k);

// Petrus solver, orientation code 100 + 10·(U-centre digit) + (F-centre digit):
// by the second decimal digit (1 x, 2 z', 3 x', 4 z, 5 z2), then the third
// (2 y, 3 y2, 4 y').
Turns PetrusOrientationTurns(int code);

// N×N solver at order 3: orientation a (1 x, 2 x2, 3 x', 4 z, 5 z').
Turns NxNOrientation3Turns(int a);
// N×N solver at order 5: orientation b = 1..23 from its table; others nothing.
Turns NxNOrientationNTurns(int b);

// The advanced solve of even orders tumbles the cube through a full turn:
// y2 twice, then z2 twice, then x2 twice, and round again.
class EvenOrderCounter {
 public:
  Turns Next();
  int Value() const { return count_; }

 private:
  int count_ = 0;
};

// "启用": r = random mod 3 → y2 twice, z2 twice or x2 twice.
Turns TakeResultTurns(int r);

}  // namespace orchestration
