#include "view/CRubikView.h"

#include <GL/gl.h>

#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWheelEvent>
#include <chrono>
#include <thread>

#include "model/FaceVisibility.h"
#include "model/MoveNotation.h"
#include "model/viewmath/Background.h"
#include "model/viewmath/PickGeometry.h"
#include "settings/Settings.h"
#include "view/Appearance.h"
#include "view/TileTextures.h"
#include "view/TurnSounds.h"

namespace view {

namespace {
const char* const kDefaultBackground = ":/pictures/background.jpg";
}

CRubikView::CRubikView(QWidget* parent) : QOpenGLWidget(parent) {
  cube_.SetPresenter(this);
  cube_.Init();
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  camera_.zoom = viewmath::ZoomAtCreation(cube_.Order(), camera_.zoom);
}

CRubikView::~CRubikView() {
  cube_.SetPresenter(nullptr);
  if (contextReady_) {
    makeCurrent();
    renderer_.Release();
    doneCurrent();
  }
}

void CRubikView::initializeGL() {
  renderer_.Initialise();
  PictureTexture(QImage(kDefaultBackground), renderer_.background);
  BuildInnerTile(renderer_.faceTexture);
  BuildTheme();
  contextReady_ = true;
  ApplyPendingAppearance();
}

void CRubikView::resizeGL(int w, int h) {
  if (w <= 0 || h <= 0) return;
  setup_ = viewmath::ComputeViewSetup(w, h);
  projection_ = viewmath::Ortho(setup_.volume);
}

void CRubikView::paintGL() {
  ApplyPendingAppearance();
  // The widget resets the viewport before every paint: put ours back.
  const viewmath::Viewport& vp = setup_.viewport;
  glViewport(vp.x, vp.y, vp.width, vp.height);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(projection_.data());
  glMatrixMode(GL_MODELVIEW);
  savedModelView_ = viewmath::ModelViewMatrix(camera_, trackball_.matrix);
  renderer_.DrawFrame(cube_, savedModelView_, setup_.volume);
  ++framesDrawn_;
}

void CRubikView::ShowView(int order, bool projection) {
  cube_.Init(order);
  camera_ = viewmath::ShowViewPreset(order, projection);
}

void CRubikView::ApplyProjectionCamera(bool projectionOn) {
  camera_ = viewmath::ProjectionTogglePreset(projectionOn);
}

void CRubikView::ApplyCommand(const std::string& token, int animate, int record, int sound) {
  model::ApplyCommand(cube_, token, animate, record, sound);
}

void CRubikView::ChooseTheme(int theme) {
  if (theme == 0) {
    gAppearance.textured = false;
    update();
    return;
  }
  gAppearance.textured = true;
  themeStyle_ = theme >= 3 ? styleCounters_.Advance(theme) : 0;
  gAppearance.theme = theme;
  themeDirty_ = true;
  ApplyPendingAppearance();
  update();
}

void CRubikView::BuildTheme() {
  const int theme = gAppearance.theme >= 1 ? gAppearance.theme : 1;
  BuildThemeTiles(renderer_.faceTexture, theme, themeStyle_);
  themeDirty_ = false;
}

void CRubikView::SetSunlight(bool on) {
  gAppearance.sunlight = on;
  if (contextReady_) {
    makeCurrent();
    renderer_.ApplySunlight(on);
    doneCurrent();
  }
  update();
}

bool CRubikView::LoadBackgroundFile(const QString& path) {
  gAppearance.background = true;
  const auto kind = viewmath::ClassifyBackgroundFile(path.toStdString());
  if (kind == viewmath::BackgroundFileKind::NotLoaded) {
    update();
    return false;
  }
  const QImage picture(path);
  bool loaded = false;
  if (!picture.isNull() && contextReady_) {
    makeCurrent();
    loaded = kind == viewmath::BackgroundFileKind::Jpeg
                 ? PictureTexture(picture, renderer_.background)
                 : BitmapTexture(picture, renderer_.background);
    doneCurrent();
  }
  update();
  return loaded;
}

void CRubikView::ApplyPendingAppearance() {
  if (!contextReady_ || !themeDirty_) return;
  const bool current = QOpenGLContext::currentContext() == context();
  if (!current) makeCurrent();
  BuildTheme();
  if (!current) doneCurrent();
}

// --- Turn animation -------------------------------------------------------

void CRubikView::AnimateTurn(model::WCube& cube, std::span<model::WCubePiece* const> pieces,
                             const model::Vec3f& axis, float targetAngle) {
  if (settings::gSettings.rotationSteps <= 1) return;
  // Steps and delay are read at every frame: a changed option applies at once.
  for (int c = 0; c <= settings::gSettings.rotationSteps; ++c) {
    const float angle = targetAngle * c / std::max(settings::gSettings.rotationSteps, 1);
    for (model::WCubePiece* p : pieces) {
      p->turnAngle = angle;
      p->turnAxis = axis;
      p->inTurn = 1;
    }
    repaint();
    if (cube.abortAnimation) return;
    if (settings::gSettings.rotationDelay > 0) FrameWait(settings::gSettings.rotationDelay);
  }
  for (model::WCubePiece* p : pieces) {
    p->turnAngle = 0;
    p->inTurn = 0;
  }
}

void CRubikView::FrameWait(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void CRubikView::PlayAxisSound(int axis) {
  if (sounds_) sounds_->Play(axis);
}

// --- Mouse and keys -------------------------------------------------------

bool CRubikView::IsTurnButton(Qt::MouseButton b) const {
  return b == (settings::gSettings.swapMouseButtons ? Qt::RightButton : Qt::LeftButton);
}

bool CRubikView::IsCameraButton(Qt::MouseButton b) const {
  return b == (settings::gSettings.swapMouseButtons ? Qt::LeftButton : Qt::RightButton);
}

void CRubikView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (IsCameraButton(event->button())) {
    trackball_.Start(p.x(), p.y(), width(), height());
    cameraDrag_ = true;
  } else if (IsTurnButton(event->button())) {
    turnStart_ = (event->modifiers() & Qt::ControlModifier) ? QPoint(-1, -1) : p;
  }
}

void CRubikView::mouseMoveEvent(QMouseEvent* event) {
  if (!cameraDrag_ || (event->modifiers() & Qt::ControlModifier)) return;
  model::gFaceVisibility.visible =
      viewmath::ComputeFaceVisibility(savedModelView_, projection_, setup_.viewport);
  const QPoint p = event->position().toPoint();
  if (trackball_.MoveTo(p.x(), p.y(), width(), height())) {
    emit documentModified();
    update();
  }
}

void CRubikView::mouseReleaseEvent(QMouseEvent* event) {
  if (IsCameraButton(event->button())) {
    cameraDrag_ = false;
    return;
  }
  if (!IsTurnButton(event->button())) return;
  const QPoint start = turnStart_;
  turnStart_ = QPoint(-1, -1);
  if ((event->modifiers() & Qt::ControlModifier) || start == QPoint(-1, -1)) return;
  const QPoint end = event->position().toPoint();
  const auto picked = viewmath::PickTurnGeometry(
      cube_.Order(), projection_, savedModelView_, setup_.viewport, height(),
      {start.x(), start.y(), end.x(), end.y()}, settings::gSettings.minDragDistance,
      settings::gSettings.maxDragAngle);
  if (!picked) return;
  cube_.TurnLayer(picked->axis, picked->layer, picked->dir, 1, 1, 1);
  update();
}

void CRubikView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  trackball_.Reset();
  model::gFaceVisibility.Reset();
  update();
}

void CRubikView::wheelEvent(QWheelEvent* event) {
  camera_.zoom = viewmath::WheelZoom(camera_.zoom, event->angleDelta().y());
  emit documentModified();
  update();
}

void CRubikView::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const QString text = event->text();
  if (text.size() != 1 || text.at(0).unicode() > 0x7F) {
    QOpenGLWidget::keyPressEvent(event);
    return;
  }
  ApplyCommand(model::TypedKeyToken(static_cast<char>(text.at(0).unicode()), shift), 1, 1, 1);
  update();
}

}  // namespace view
