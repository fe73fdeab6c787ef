// Frame times of the 3D view under the program's own window size.
//   benchgui_view_frames [--shots DIR]
// Prints: start-up to the first drawn frame, median full-frame times for
// order 7 (textured and flat) and order 3, with smooth edges off and on, and the time of a default animated quarter
// turn (60 frames, 1 ms delay). With --shots, also saves a picture of every
// theme for orders 2, 3 and 7, with and without projection view and background,
// layers held mid-turn, and the cube seen from below, from straight ahead and
// with out-of-date visible faces.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "model/FaceVisibility.h"
#include "settings/Settings.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "view/Appearance.h"
#include "view/CRubikView.h"
#include "view/GlFormat.h"

namespace {

// Process CPU time (all threads, so Mesa's rasteriser threads count too): on
// a busy machine a steadier measure of a frame's cost than the wall clock.
double CpuMs() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void ReportFrames(const char* what, view::CRubikView& v, int frames) {
  std::vector<double> times;
  QElapsedTimer t;
  const double cpuStart = CpuMs();
  for (int i = 0; i < frames; ++i) {
    t.start();
    v.RedrawNow();
    times.push_back(t.nsecsElapsed() / 1e6);
  }
  const double cpuPerFrame = (CpuMs() - cpuStart) / frames;
  std::sort(times.begin(), times.end());
  std::printf("%s: median %.2f ms wall, %.2f ms CPU per frame\n", what, times[times.size() / 2], cpuPerFrame);
}

// A layer held part-way through a turn, for each axis and a few angles.
void HoldLayer(view::CRubikView& v, int axis, float angle) {
  model::WCube& cube = v.Cube();
  const int n = cube.Order();
  const model::Vec3f axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < n; ++k) {
        const int index[3] = {i, j, k};
        model::WCubePiece* p = cube.Piece(i, j, k);
        const bool turning = index[axis] == n - 1;
        p->inTurn = turning && angle != 0;
        p->turnAngle = turning ? angle : 0;
        p->turnAxis = axes[axis];
      }
}

// Mid-turn pictures, and the cube seen from other sides, flat and textured.
void SaveTurnAndCameraShots(shell::CMainFrame& frame, const QString& dir) {
  view::CRubikView& v = *frame.View();
  for (int order : {2, 3, 7})
    for (int theme : {cmd::kThemeStandard, cmd::kThemeNumbers}) {
      frame.RunCommand(cmd::NewGameCommand(order));
      frame.RunCommand(theme);
      v.ApplyCommand("R", 0, 0, 0);
      v.ApplyCommand("F", 0, 0, 0);
      const int textured = theme != cmd::kThemeStandard;
      for (int axis = 0; axis < 3; ++axis)
        for (float angle : {30.0f, -60.0f}) {
          HoldLayer(v, axis, angle);
          v.GrabFrame().save(QString("%1/turn_order%2_tex%3_axis%4_angle%5.png")
                                 .arg(dir).arg(order).arg(textured).arg(axis).arg(int(angle)));
        }
      // Seen from below and behind, from nearly straight ahead (looking down
      // the gaps between the cubies), and from below while the visible faces
      // still say "from above" (as after a double click).
      struct View {
        const char* name;
        float tilt, spin;
        bool updateVisibility;
      };
      for (const View& from : {View{"below", -30, 135, true}, View{"ahead", 4, -3, true},
                               View{"stale", -30, 135, false}}) {
        HoldLayer(v, 0, 0);
        v.Camera().tilt = from.tilt;
        v.Camera().spin = from.spin;
        model::gFaceVisibility.Reset();
        v.GrabFrame();  // saves the camera matrix the visibility is computed from
        if (from.updateVisibility)
          model::gFaceVisibility.visible = viewmath::ComputeFaceVisibility(
              v.SavedModelView(), viewmath::Ortho(v.Setup().volume), v.Setup().viewport);
        v.GrabFrame().save(QString("%1/%2_order%3_tex%4.png").arg(dir, from.name).arg(order).arg(textured));
        HoldLayer(v, 1, 45);
        v.GrabFrame().save(QString("%1/%2_turn_order%3_tex%4.png").arg(dir, from.name).arg(order).arg(textured));
      }
      HoldLayer(v, 1, 0);
    }
}

void SaveShots(shell::CMainFrame& frame, const QString& dir) {
  QDir().mkpath(dir);
  const int themeCommands[] = {cmd::kThemeStandard, cmd::kThemeNumbers, cmd::kThemeLetters, cmd::kThemePictures,
                               cmd::kThemeSymbols,  cmd::kThemeFlavours, cmd::kThemeCurrency, cmd::kThemeDynasties};
  for (int order : {2, 3, 7})
    for (int theme = 0; theme < 8; ++theme)
      for (int projection = 0; projection < 2; ++projection)
        for (int background = 0; background < 2; ++background) {
          if (order != 3 && projection == 0) continue;  // the projection view is order 3 only
          frame.RunCommand(cmd::NewGameCommand(order));
          frame.RunCommand(themeCommands[theme]);
          if (order == 3 && frame.ProjectionFlag() != bool(projection)) frame.RunCommand(cmd::kProjectionView);
          view::gAppearance.background = background;
          frame.View()->ApplyCommand("R", 0, 0, 0);
          frame.View()->ApplyCommand("U", 0, 0, 0);
          frame.View()->GrabFrame().save(QString("%1/order%2_theme%3_proj%4_bg%5.png")
                                             .arg(dir).arg(order).arg(theme).arg(projection).arg(background));
        }
  SaveTurnAndCameraShots(frame, dir);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  view::SetDefaultGlFormat();
  QApplication app(argc, argv);
  shell::CRubikDoc doc;
  shell::CMainFrame frame(doc);
  frame.show();
  while (frame.View()->FramesDrawn() == 0 && sinceStart.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  std::printf("start-up to first frame: %lld ms\n", sinceStart.elapsed());

  view::CRubikView& v = *frame.View();
  std::printf("renderer %s, %d samples per pixel\n", qPrintable(v.RendererName()), v.SurfaceSamples());
  for (const bool smooth : {false, true}) {
    v.SetSmoothEdges(smooth);
    v.RedrawNow();
    std::printf("smooth edges %s: %d samples per pixel\n", smooth ? "on" : "off", v.SurfaceSamples());
    frame.RunCommand(cmd::kNewGame7);
    frame.RunCommand(cmd::kThemeNumbers);
    ReportFrames("  warm-up", v, 10);
    ReportFrames("  order 7 textured frame", v, 200);
    frame.RunCommand(cmd::kThemeStandard);
    ReportFrames("  order 7 flat frame", v, 200);
    frame.RunCommand(cmd::kNewGame3);
    frame.RunCommand(cmd::kThemeNumbers);
    ReportFrames("  order 3 textured frame", v, 200);
  }
  v.SetSmoothEdges(false);

  settings::gSettings.rotationSteps = 60;
  settings::gSettings.rotationDelay = 1;
  std::vector<double> turns;
  for (int i = 0; i < 8; ++i) {
    QElapsedTimer t;
    t.start();
    v.ApplyCommand(i % 2 ? "R'" : "R", 1, 1, 0);
    turns.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(turns.begin(), turns.end());
  std::printf("animated quarter turn, order 3 (60 frames, 1 ms): median %.0f ms\n", turns[turns.size() / 2]);

  const QStringList args = app.arguments();
  const int shots = args.indexOf("--shots");
  if (shots > 0 && shots + 1 < args.size()) SaveShots(frame, args[shots + 1]);
  return 0;
}
