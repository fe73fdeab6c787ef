#pragma once
// The 3D view: owns the cube model, the camera and the trackball; draws the
// cube (view/CubeRenderer.h), turns layers picked by left drags and typed
// keys, rotates the camera by right drags and zooms by the wheel. It animates
// and sounds the cube's turns as the cube's TurnPresenter.
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <string>

#include "model/TurnPresenter.h"
#include "model/WCube.h"
#include "model/viewmath/Themes.h"
#include "model/viewmath/ViewMath.h"
#include "model/viewmath/WTrackball.h"
#include "view/CubeRenderer.h"

namespace view {

// Whether GL_RENDERER names a software rasteriser (Mesa's llvmpipe, softpipe, swrast).
bool IsSoftwareRenderer(const QString& rendererName);

class GlSurfaceWindow;
class TurnSounds;

class CRubikView : public QWidget, public model::TurnPresenter {
  Q_OBJECT

 public:
  explicit CRubikView(QWidget* parent = nullptr);
  ~CRubikView() override;

  model::WCube& Cube() { return cube_; }
  viewmath::Camera& Camera() { return camera_; }
  viewmath::WTrackball& Trackball() { return trackball_; }
  const viewmath::Mat4& SavedModelView() const { return savedModelView_; }
  const viewmath::ViewSetup& Setup() const { return setup_; }
  bool HasContext() const { return contextReady_; }
  QWindow* SurfaceWindow() const;
  // Samples per pixel the GL surface got (0 = single-sampled) and the renderer's name.
  int SurfaceSamples() const;
  QString RendererName() const;
  // Asks for a frame on the next pass of the event loop.
  void Redraw();
  // Draws and shows a frame before returning.
  void RedrawNow();
  // Draws a frame into an image (screenshots, benchmarks).
  QImage GrabFrame();
  long FramesDrawn() const { return framesDrawn_; }

  // Camera preset of a new game of `order`; also sets the model's order.
  void ShowView(int order, bool projection);
  // Sets the camera for the projection view switched on or off (order 3).
  void ApplyProjectionCamera(bool projectionOn);
  void ResetTrackball() { trackball_.Reset(); }
  // One move command; see model/MoveNotation.h. Does not repaint.
  void ApplyCommand(const std::string& token, int animate, int record, int sound);

  // Appearance commands of the 外观 menu.
  void ChooseTheme(int theme);
  void SetSunlight(bool on);
  // Smooth edges: multisampled drawing with kSmoothEdgeSamples per pixel.
  // Until chosen, they are on for hardware renderers only: on a software
  // renderer they cost more than the 12 ms an order-7 frame may take.
  void SetSmoothEdges(bool on);
  bool SmoothEdges() const;
  static constexpr int kSmoothEdgeSamples = 4;
  // Loads a chosen background file by the rules of its name; the background
  // is switched on in every case. False when the file was not loaded.
  bool LoadBackgroundFile(const QString& path);

  void SetSounds(TurnSounds* sounds) { sounds_ = sounds; }

  // Set when the program closes: ends a running scramble.
  int stopFlag = 0;

  // model::TurnPresenter
  void AnimateTurn(model::WCube& cube, std::span<model::WCubePiece* const> pieces,
                   const model::Vec3f& axis, float targetAngle) override;
  void PlayAxisSound(int axis) override;

 signals:
  // The camera was dragged or zoomed: the session document is modified.
  void documentModified();

 protected:
  // QWidget::update() and repaint() on the view reach the GL window through here.
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool InitialiseGl();
  void CreateSurface();
  void PaintGl(int width, int height);
  bool IsTurnButton(Qt::MouseButton b) const;
  bool IsCameraButton(Qt::MouseButton b) const;
  void ApplyPendingAppearance();
  void BuildTheme();
  // Waits up to `ms` milliseconds between two animation frames without
  // dispatching any event, so input queued meanwhile runs after the turn.
  static void FrameWait(int ms);

  model::WCube cube_;
  viewmath::Camera camera_;
  viewmath::WTrackball trackball_;
  viewmath::ViewSetup setup_;  // in device pixels
  QSize deviceSize_;           // of the last frame
  viewmath::Mat4 projection_ = viewmath::Identity();
  viewmath::Mat4 savedModelView_ = viewmath::Identity();
  CubeRenderer renderer_;
  viewmath::ThemeStyleCounters styleCounters_;
  int themeStyle_ = 0;
  bool themeDirty_ = false;
  QString pendingBackground_;
  bool contextReady_ = false;
  bool cameraDrag_ = false;
  QPoint turnStart_{-1, -1};
  long framesDrawn_ = 0;
  TurnSounds* sounds_ = nullptr;
  int smoothEdges_ = -1;  // −1 = by renderer
  GlSurfaceWindow* surface_ = nullptr;  // owned by its container widget
};

}  // namespace view
