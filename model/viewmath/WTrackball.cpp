#include "model/viewmath/WTrackball.h"

#include <algorithm>
#include <cmath>

#include "model/viewmath/ViewMath.h"

namespace viewmath {

void WTrackball::Reset() {
  matrix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  moveCount = 0;
}

model::Vec3f WTrackball::SpherePoint(int px, int py, int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  model::Vec3f p{float(2 * px - width) / width, float(height - 2 * py) / height, 0.0f};
  const float d = std::min(p.Length(), 1.0f);
  p.z = std::sqrt(1.001f - d * d);
  p.Normalise();
  return p;
}

void WTrackball::Start(int px, int py, int width, int height) {
  last = SpherePoint(px, py, width, height);
}

bool WTrackball::MoveTo(int px, int py, int width, int height) {
  const model::Vec3f cur = SpherePoint(px, py, width, height);
  const float chord = cur.Difference(last).Length();
  const bool moved = chord > 0.0001f;
  if (moved) {
    model::Vec3f axis = last.Cross(cur);
    axis.Normalise();
    const Mat4 turn = Rotation(135.0 * chord, axis.x, axis.y, axis.z);
    Mat4 current;
    std::copy(matrix.begin(), matrix.end(), current.begin());
    const Mat4 next = Multiply(turn, current);
    for (int i = 0; i < 16; ++i) matrix[i] = float(next[i]);
    moveCount = (moveCount + 1) % 100;
  }
  last = cur;
  return moved;
}

}  // namespace viewmath
