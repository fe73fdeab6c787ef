#include <gtest/gtest.h>

#include <cmath>

#include "model/viewmath/PickGeometry.h"
#include "model/viewmath/ViewMath.h"

namespace {

using namespace viewmath;

TEST(ViewSetup, OversizedViewportAndVolume) {
  struct Row {
    int cx, cy;
    Viewport vp;
    double left, bottom;
  };
  const Row rows[] = {
      {800, 500, {-350, -350, 1500, 1200}, -13.125, -10.5},
      {300, 700, {-350, -700, 1000, 2100}, -10.5, -10.5 * 2100 / 1000.0},
      {600, 600, {-350, -350, 1300, 1300}, -10.5, -10.5},
      {1, 1000, {-350, -350000, 701, 700000 + 1000}, -10.5, -10.5 * 701000 / 701.0},
  };
  for (const Row& r : rows) {
    const ViewSetup s = ComputeViewSetup(r.cx, r.cy);
    EXPECT_EQ(s.viewport.AsArray(), r.vp.AsArray()) << r.cx << "x" << r.cy;
    EXPECT_NEAR(s.volume.left, r.left, 1e-9);
    EXPECT_NEAR(s.volume.right, -r.left, 1e-9);
    EXPECT_NEAR(s.volume.bottom, r.bottom, 1e-9);
    EXPECT_NEAR(s.volume.Width() / s.volume.Height(),
                double(s.viewport.width) / s.viewport.height, 1e-9);
  }
}

TEST(Camera, PresetsPerOrderAndProjection) {
  struct Row {
    int order;
    bool projection;
    Camera expected;
  };
  const Row rows[] = {
      {2, true, {1.8f, 25, -30, 0, 1}},   {3, true, {0.9f, 30, -45, -0.5f, 1}},
      {3, false, {0.9f, 25, -30, 0, 1}},  {4, true, {1.0f, 25, -30, 0, 1}},
      {5, false, {0.86f, 25, -30, 0, 1}}, {6, true, {0.8f, 25, -30, 0, 1}},
      {7, true, {0.8f, 25, -30, 0, 1}},
  };
  for (const Row& r : rows) {
    const Camera c = ShowViewPreset(r.order, r.projection);
    EXPECT_FLOAT_EQ(c.zoom, r.expected.zoom) << r.order;
    EXPECT_FLOAT_EQ(c.tilt, r.expected.tilt) << r.order;
    EXPECT_FLOAT_EQ(c.spin, r.expected.spin) << r.order;
    EXPECT_FLOAT_EQ(c.eyeHeight, r.expected.eyeHeight) << r.order;
    EXPECT_FLOAT_EQ(c.up, 1.0f);
  }
  EXPECT_FLOAT_EQ(ZoomAtCreation(3, 1.28f), 0.9f);
  EXPECT_FLOAT_EQ(ZoomAtCreation(6, 1.28f), 1.28f);
}

TEST(Camera, WheelStepsAndLimits) {
  EXPECT_FLOAT_EQ(WheelZoom(0.9f, 120), 0.93f);
  EXPECT_FLOAT_EQ(WheelZoom(0.9f, -120), 0.87f);
  EXPECT_FLOAT_EQ(WheelZoom(0.9f, 240), 0.9f);
  EXPECT_FLOAT_EQ(WheelZoom(0.9f, -240), 0.9f);
  EXPECT_FLOAT_EQ(WheelZoom(0.9f, 60), 0.9f);
  float zoom = 0.9f;
  for (int i = 0; i < 200; ++i) zoom = WheelZoom(zoom, 120);
  EXPECT_FLOAT_EQ(zoom, kZoomMax);
  for (int i = 0; i < 200; ++i) zoom = WheelZoom(zoom, -120);
  EXPECT_FLOAT_EQ(zoom, kZoomMin);
}

std::array<float, 16> IdentityBall() {
  return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}
std::array<float, 16> BallOf(const Mat4& m) {
  std::array<float, 16> f;
  for (int i = 0; i < 16; ++i) f[i] = float(m[i]);
  return f;
}

TEST(FaceVisibility, FollowsTheCamera) {
  const ViewSetup s = ComputeViewSetup(600, 440);
  const Mat4 proj = Ortho(s.volume);
  const std::array<bool, 6> home = {true, false, true, false, true, false};
  EXPECT_EQ(ComputeFaceVisibility(ModelViewMatrix(Camera{}, IdentityBall()), proj, s.viewport), home);
  // Half a turn about the eye's vertical shows the three opposite faces.
  const Mat4 aboutY = Rotation(180, 0, 1, 0);
  EXPECT_EQ(ComputeFaceVisibility(ModelViewMatrix(Camera{}, BallOf(aboutY)), proj, s.viewport),
            (std::array<bool, 6>{false, true, false, true, false, true}));
  Camera level{1, 0, 0, 0, 1};  // looking straight at F: only +Z faces the viewer
  const auto front = ComputeFaceVisibility(ModelViewMatrix(level, IdentityBall()), proj, s.viewport);
  EXPECT_TRUE(front[4]);
  EXPECT_FALSE(front[5]);
}

TEST(SideOf, ShallowSteepAndDegenerateLines) {
  EXPECT_EQ(SideOf({0, 0}, {10, 1}, {5, 3}), 1);
  EXPECT_EQ(SideOf({0, 0}, {10, 1}, {5, -3}), -1);
  EXPECT_EQ(SideOf({0, 0}, {10, 0}, {5, 0}), 0);
  EXPECT_EQ(SideOf({0, 0}, {1, 10}, {3, 5}), 1);
  EXPECT_EQ(SideOf({0, 0}, {1, 10}, {-3, 5}), -1);
  EXPECT_EQ(SideOf({2, 2}, {2, 2}, {3, 5}), 0);
}

// Independent oracle: grab the centre of a sticker on a visible face, drag it
// along one of the face's edge directions; the turn must be the one whose
// rotation moves the grabbed point along the drag, about the axis
// perpendicular to face normal and drag, in the layer holding the point.
struct DragCase {
  const char* name;
  Camera camera;
  Mat4 ball;
};

void CheckEveryStickerDrag(int order, const DragCase& dc) {
  const int clientW = 600, clientH = 440;
  const ViewSetup s = ComputeViewSetup(clientW, clientH);
  const Mat4 proj = Ortho(s.volume);
  const Mat4 mv = ModelViewMatrix(dc.camera, BallOf(dc.ball));
  const auto visible = ComputeFaceVisibility(mv, proj, s.viewport);
  const double h = (order - 1) / 2.0;
  int checked = 0;
  for (int face = 0; face < 6; ++face) {
    if (!visible[face]) continue;
    const int normal = face / 2;
    const double sign = face % 2 == 0 ? 1 : -1;
    // Faces seen almost edge-on have strips narrower than a pixel: skip them.
    const double eyeNormalZ = sign * mv[normal * 4 + 2] / dc.camera.zoom;
    if (eyeNormalZ < 0.3) continue;
    for (int i = 0; i < order; ++i)
      for (int j = 0; j < order; ++j)
        for (int t = 0; t < 3; ++t) {
          if (t == normal) continue;
          for (double tsign : {1.0, -1.0}) {
            const int u = (normal + 1) % 3, v = (normal + 2) % 3;
            double p[3];
            p[normal] = sign * order / 2.0;
            p[u] = i - h;
            p[v] = j - h;
            double q[3] = {p[0], p[1], p[2]};
            q[t] += 0.3 * tsign;
            WinPoint wp, wq;
            ASSERT_TRUE(Project(p[0], p[1], p[2], mv, proj, s.viewport, wp));
            ASSERT_TRUE(Project(q[0], q[1], q[2], mv, proj, s.viewport, wq));
            const DragPoints drag{int(std::lround(wp.x)), clientH - int(std::lround(wp.y)),
                                  int(std::lround(wq.x)), clientH - int(std::lround(wq.y))};
            if (std::hypot(drag.endX - drag.startX, drag.endY - drag.startY) < 8) continue;
            const auto picked =
                PickTurnGeometry(order, proj, mv, s.viewport, clientH, drag, 0.5f, 135.0f);
            ASSERT_TRUE(picked) << dc.name << " face " << face << " " << i << "," << j;
            const int axis = 3 - normal - t;
            EXPECT_EQ(picked->axis, axis) << dc.name << " face " << face;
            EXPECT_EQ(picked->layer, int(std::lround(p[axis] + h))) << dc.name << " face " << face;
            // Velocity of p under +90° about +axis is axis × p; its t component
            // must agree with the drag for dir 1, disagree for dir 0.
            double w[3] = {0, 0, 0};
            w[axis] = 1;
            const double vel[3] = {w[1] * p[2] - w[2] * p[1], w[2] * p[0] - w[0] * p[2],
                                   w[0] * p[1] - w[1] * p[0]};
            const int expectedDir = vel[t] * tsign > 0 ? 1 : 0;
            EXPECT_EQ(picked->dir, expectedDir) << dc.name << " face " << face << " t " << t;
            ++checked;
          }
        }
  }
  EXPECT_GT(checked, 0) << dc.name;
}

TEST(PickTurn, EveryStickerDraggedAlongEveryEdgeTurnsTheMatchingLayer) {
  const DragCase cases[] = {
      {"home", Camera{0.9f, 30, -45, -0.5f, 1}, Identity()},
      {"order preset", Camera{0.8f, 25, -30, 0, 1}, Identity()},
      {"from below", Camera{1.0f, 25, -30, 0, 1}, Rotation(150, 1, 0, 0)},
      {"from behind", Camera{1.0f, 30, -45, 0, 1}, Rotation(200, 0, 1, 0)},
      {"tumbled", Camera{1.2f, 30, -45, 0, 1}, Multiply(Rotation(70, 0, 0, 1), Rotation(-40, 1, 1, 0))},
  };
  for (int order = 2; order <= 7; ++order)
    for (const DragCase& dc : cases) CheckEveryStickerDrag(order, dc);
}

TEST(PickTurn, RefusesDragsOffTheCubeTooShortOrAwry) {
  const ViewSetup s = ComputeViewSetup(600, 440);
  const Mat4 proj = Ortho(s.volume);
  const Mat4 mv = ModelViewMatrix(Camera{0.9f, 30, -45, -0.5f, 1}, IdentityBall());
  WinPoint centreF;
  ASSERT_TRUE(Project(0, 0, 1.5, mv, proj, s.viewport, centreF));
  const int sx = int(centreF.x), sy = 440 - int(centreF.y);
  EXPECT_FALSE(PickTurnGeometry(3, proj, mv, s.viewport, 440, {2, 2, 50, 2}, 0.5f, 135));
  EXPECT_FALSE(PickTurnGeometry(3, proj, mv, s.viewport, 440, {sx, sy, sx, sy}, 0.5f, 135));
  EXPECT_TRUE(PickTurnGeometry(3, proj, mv, s.viewport, 440, {sx, sy, sx + 1, sy}, 0.5f, 135));
  // With a zero maximum angle only an exact edge direction counts.
  EXPECT_FALSE(PickTurnGeometry(3, proj, mv, s.viewport, 440, {sx, sy, sx + 20, sy + 7}, 0.5f, 0));
}

}  // namespace

#include "model/viewmath/WTrackball.h"

namespace {

TEST(Trackball, SpherePointsAndMoves) {
  using viewmath::WTrackball;
  const model::Vec3f centre = WTrackball::SpherePoint(50, 50, 100, 100);
  EXPECT_NEAR(centre.z, 1.0f, 1e-6);
  const model::Vec3f edge = WTrackball::SpherePoint(100, 50, 100, 100);
  EXPECT_NEAR(edge.x, 1 / std::sqrt(1.001f), 1e-5);
  EXPECT_NEAR(edge.Length(), 1.0f, 1e-6);

  WTrackball ball;
  ball.Start(50, 50, 100, 100);
  EXPECT_FALSE(ball.MoveTo(50, 50, 100, 100));
  EXPECT_EQ(ball.moveCount, 0);
  EXPECT_EQ(ball.matrix, WTrackball{}.matrix);
  // Dragging right turns the scene about +Y (the point under the mouse moves right).
  ASSERT_TRUE(ball.MoveTo(60, 50, 100, 100));
  EXPECT_EQ(ball.moveCount, 1);
  EXPECT_GT(ball.matrix[8], 0.0f);   // +Z swings towards +X
  EXPECT_NEAR(ball.matrix[5], 1.0f, 1e-6);  // Y axis unchanged
  // The matrix stays a rotation.
  for (int i = 0; i < 150; ++i) ball.MoveTo(60 + (i % 7) * 5, 50 + (i % 5) * 4, 100, 100);
  EXPECT_LT(ball.moveCount, 100);
  for (int c = 0; c < 3; ++c) {
    const float len = std::sqrt(ball.matrix[c * 4] * ball.matrix[c * 4] +
                                ball.matrix[c * 4 + 1] * ball.matrix[c * 4 + 1] +
                                ball.matrix[c * 4 + 2] * ball.matrix[c * 4 + 2]);
    EXPECT_NEAR(len, 1.0f, 1e-3);
  }
  ball.Reset();
  EXPECT_EQ(ball.matrix, WTrackball{}.matrix);
  EXPECT_EQ(ball.moveCount, 0);
}

}  // namespace
