#pragma once
// Left-drag picking on the drawn cube: which face the drag starts on, along
// which of that face's edges it runs, and so which layer turns which way.
// Pure geometry on the matrices of the last frame (model/viewmath/ViewMath.h).
#include <optional>

#include "model/viewmath/ViewMath.h"

namespace viewmath {

struct PickedTurn {
  int axis;   // 0 X, 1 Y, 2 Z
  int layer;  // 0..N−1 from the negative end of the axis
  int dir;    // 1 = +90° about the positive axis, 0 = −90°
};

struct DragPoints {
  int startX, startY;  // client coordinates, y down
  int endX, endY;
};

// `clientHeight` flips y; `minDragDistance` (pixels) and `maxDragAngle`
// (degrees) are the fixed settings. No turn when the drag starts off the cube,
// is too short, or runs too far from every edge direction.
std::optional<PickedTurn> PickTurnGeometry(int order, const Mat4& projection, const Mat4& modelView,
                                           const Viewport& viewport, int clientHeight,
                                           const DragPoints& drag, float minDragDistance,
                                           float maxDragAngle);

// +1 when `s` lies above (or right of, for steep lines) the line through p and q,
// −1 below, 0 on it or for a degenerate line.
struct Point2 {
  double x, y;
};
int SideOf(Point2 p, Point2 q, Point2 s);

}  // namespace viewmath
