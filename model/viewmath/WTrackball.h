#pragma once
// The virtual trackball turned by the right mouse button: client points are
// lifted onto a sphere over the window, and each move rotates the stored
// matrix by the arc between the last and the current sphere point.
#include <array>

#include "model/Vec3f.h"

namespace viewmath {

class WTrackball {
 public:
  // Column-major rotation, identity after Reset; applied on the eye side of tilt and spin.
  std::array<float, 16> matrix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  model::Vec3f last;
  int moveCount = 0;  // 0..99, advanced per effective move; saved with the matrix

  void Reset();
  void Start(int px, int py, int width, int height);
  // Rotates by 135° per unit of chord between the last and this sphere point;
  // false (matrix unchanged) for a chord of 0.0001 or less.
  bool MoveTo(int px, int py, int width, int height);

  static model::Vec3f SpherePoint(int px, int py, int width, int height);
};

}  // namespace viewmath
