#pragma once
// Drags across a sticker of the 3D view as a user would: the sticker's centre
// and a point 0.4 cubie edges away are projected with the view's own setup
// (device pixels) and sent as logical mouse positions.
#include <QtTest>
#include <cmath>

#include "model/viewmath/ViewMath.h"
#include "view/CRubikView.h"

struct StickerDrag {
  double sticker[3];
  int dragAxis;  // 0 X, 1 Y, 2 Z
  int dragSign;
  int axis, layer, dir;  // the turn it must make
};

inline QPoint LogicalPointOf(view::CRubikView& v, const double (&p)[3]) {
  const double ratio = v.SurfaceWindow()->devicePixelRatio();
  viewmath::WinPoint w;
  viewmath::Project(p[0], p[1], p[2], v.SavedModelView(), viewmath::Ortho(v.Setup().volume), v.Setup().viewport, w);
  const double deviceHeight = std::lround(v.height() * ratio);
  return QPoint(int(std::lround(w.x / ratio)), int(std::lround((deviceHeight - w.y) / ratio)));
}

// Performs the drag on a solved cube of the current order and reports whether
// it made exactly the expected turn.
inline bool DragTurnsExpectedLayer(view::CRubikView& v, const StickerDrag& d) {
  v.RedrawNow();
  double end[3] = {d.sticker[0], d.sticker[1], d.sticker[2]};
  end[d.dragAxis] += 0.4 * d.dragSign;
  const QPoint s = LogicalPointOf(v, d.sticker);
  const QPoint e = LogicalPointOf(v, end);
  if (!v.rect().contains(s)) return false;
  QTest::mousePress(&v, Qt::LeftButton, Qt::NoModifier, s);
  QTest::mouseMove(&v, e);
  QTest::mouseRelease(&v, Qt::LeftButton, Qt::NoModifier, e);
  model::WCube expected;
  expected.Init(v.Cube().Order());
  expected.TurnLayer(d.axis, d.layer, d.dir, 0, 1, 0);
  return v.Cube().MoveCount() == 1 && v.Cube().ExportColours() == expected.ExportColours();
}

// Drags on the three visible faces of order 3 and 7 cubes under the preset camera.
inline const StickerDrag kPresetDrags[] = {
    {{1, 0, 1.5}, 1, 1, 0, 2, 0},     // order 3, F right column up = R
    {{0, 1, 1.5}, 0, 1, 1, 2, 1},     // order 3, F top row right = U'
    {{1.5, 1, 0}, 2, -1, 1, 2, 1},    // order 3, R top row back = U'
    {{-1, 1.5, 0}, 2, -1, 0, 0, 0},   // order 3, U left column back = L'
};
