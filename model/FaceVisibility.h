#pragma once
// Which of the six cube faces currently face the viewer, by FaceSlot direction
// (+X, -X, +Y, -Y, +Z, -Z). Process-wide: the camera drag writes it, the
// drawing reads it, and WCube::Init resets it to the home view (+X, +Y, +Z).
#include <array>

namespace model {

struct FaceVisibility {
  std::array<bool, 6> visible = {true, false, true, false, true, false};

  void Reset() { *this = FaceVisibility{}; }
};

extern FaceVisibility gFaceVisibility;

}  // namespace model
