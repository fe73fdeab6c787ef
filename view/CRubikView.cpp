#include "view/CRubikView.h"

#include <GL/gl.h>

#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <chrono>
#include <thread>

#include "fileio/RegularFile.h"
#include "model/FaceVisibility.h"
#include "model/MoveNotation.h"
#include "model/viewmath/Background.h"
#include "model/viewmath/PickGeometry.h"
#include "settings/Settings.h"
#include "view/Appearance.h"
#include "view/GlSurfaceWindow.h"
#include "view/TileTextures.h"
#include "view/TurnSounds.h"

namespace view {

namespace {
const char* const kDefaultBackground = ":/pictures/background.jpg";
}

CRubikView::CRubikView(QWidget* parent) : QWidget(parent) {
  cube_.SetPresenter(this);
  cube_.Init();
  setFocusPolicy(Qt::StrongFocus);
  camera_.zoom = viewmath::ZoomAtCreation(cube_.Order(), camera_.zoom);
  surface_ = new GlSurfaceWindow(
      this, [this] { return InitialiseGl(); }, [this](int w, int h) { PaintGl(w, h); });
  // Keyboard focus stays with this widget in the main window, where the
  // menu's keys are matched; the GL window only draws and passes input on.
  QWidget* container = QWidget::createWindowContainer(surface_, this);
  container->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(container);
}

CRubikView::~CRubikView() {
  cube_.SetPresenter(nullptr);
  if (contextReady_ && surface_->MakeCurrent()) {
    renderer_.Release();
    surface_->DoneCurrent();
  }
}

QWindow* CRubikView::SurfaceWindow() const { return surface_; }
int CRubikView::SurfaceSamples() const { return surface_->Samples(); }
QString CRubikView::RendererName() const { return surface_->RendererName(); }

void CRubikView::Redraw() { surface_->requestUpdate(); }

void CRubikView::RedrawNow() { surface_->RenderNow(); }

QImage CRubikView::GrabFrame() { return surface_->Grab(); }

void CRubikView::paintEvent(QPaintEvent*) {
  // A synchronous repaint() draws the frame now; a later update() schedules one.
  surface_->RenderNow();
}

bool IsSoftwareRenderer(const QString& rendererName) {
  static const char* const kSoftware[] = {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"};
  for (const char* name : kSoftware)
    if (rendererName.contains(QLatin1String(name), Qt::CaseInsensitive)) return true;
  return false;
}

bool CRubikView::InitialiseGl() {
  if (smoothEdges_ < 0)
    surface_->SetSamples(IsSoftwareRenderer(surface_->RendererName()) ? 0 : kSmoothEdgeSamples);
  renderer_.Initialise();
  PictureTexture(QImage(kDefaultBackground), renderer_.background);
  BuildInnerTile(renderer_.faceTexture);
  BuildTheme();
  contextReady_ = true;
  return true;
}

void CRubikView::PaintGl(int w, int h) {
  if (w <= 0 || h <= 0) return;
  if (QSize(w, h) != deviceSize_) {
    // Framed as at one device pixel per logical pixel, then scaled: the cube
    // fills the view alike on a HiDPI screen.
    const double ratio = surface_->devicePixelRatio();
    setup_ = viewmath::ScaleViewSetup(
        viewmath::ComputeViewSetup(std::max(1, int(w / ratio + 0.5)), std::max(1, int(h / ratio + 0.5))), ratio);
    projection_ = viewmath::Ortho(setup_.volume);
    deviceSize_ = QSize(w, h);
  }
  ApplyPendingAppearance();
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
    Redraw();
    return;
  }
  gAppearance.textured = true;
  themeStyle_ = theme >= 3 ? styleCounters_.Advance(theme) : 0;
  gAppearance.theme = theme;
  themeDirty_ = true;
  if (contextReady_ && surface_->MakeCurrent()) ApplyPendingAppearance();
  Redraw();
}

void CRubikView::BuildTheme() {
  const int theme = gAppearance.theme >= 1 ? gAppearance.theme : 1;
  BuildThemeTiles(renderer_.faceTexture, theme, themeStyle_);
  themeDirty_ = false;
}

void CRubikView::SetSunlight(bool on) {
  gAppearance.sunlight = on;
  if (contextReady_ && surface_->MakeCurrent()) renderer_.ApplySunlight(on);
  Redraw();
}

void CRubikView::SetSmoothEdges(bool on) {
  smoothEdges_ = on ? 1 : 0;
  surface_->SetSamples(on ? kSmoothEdgeSamples : 0);
  Redraw();
}

bool CRubikView::SmoothEdges() const { return surface_->RequestedSamples() > 0; }

bool CRubikView::LoadBackgroundFile(const QString& path) {
  gAppearance.background = true;
  const auto kind = viewmath::ClassifyBackgroundFile(path.toStdString());
  if (kind == viewmath::BackgroundFileKind::NotLoaded) {
    Redraw();
    return false;
  }
  // Through the program's file reader: a FIFO or device chosen by mistake is
  // refused at once instead of blocking the window.
  std::vector<std::uint8_t> bytes;
  QImage picture;
  if (fileio::ReadRegularFile(path.toStdString(), viewmath::kMaxBackgroundFileBytes, bytes) ==
      fileio::ReadStatus::kRead)
    picture.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
  bool loaded = false;
  if (!picture.isNull() && contextReady_ && surface_->MakeCurrent())
    loaded = kind == viewmath::BackgroundFileKind::Jpeg
                 ? PictureTexture(picture, renderer_.background)
                 : BitmapTexture(picture, renderer_.background);
  Redraw();
  return loaded;
}

// Needs the context current.
void CRubikView::ApplyPendingAppearance() {
  if (contextReady_ && themeDirty_) BuildTheme();
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
    RedrawNow();
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
  setFocus(Qt::MouseFocusReason);
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
    Redraw();
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
  // The viewport is in device pixels; so are the points picked in it.
  const double ratio = surface_->devicePixelRatio();
  const QPointF end = event->position() * ratio;
  const QPointF from = QPointF(start) * ratio;
  const auto picked = viewmath::PickTurnGeometry(
      cube_.Order(), projection_, savedModelView_, setup_.viewport, deviceSize_.height(),
      {int(from.x()), int(from.y()), int(end.x()), int(end.y())}, settings::gSettings.minDragDistance,
      settings::gSettings.maxDragAngle);
  if (!picked) return;
  cube_.TurnLayer(picked->axis, picked->layer, picked->dir, 1, 1, 1);
  Redraw();
}

void CRubikView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  trackball_.Reset();
  model::gFaceVisibility.Reset();
  Redraw();
}

void CRubikView::wheelEvent(QWheelEvent* event) {
  camera_.zoom = viewmath::WheelZoom(camera_.zoom, event->angleDelta().y());
  emit documentModified();
  Redraw();
}

void CRubikView::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const QString text = event->text();
  if (text.size() != 1 || text.at(0).unicode() < 0x20 || text.at(0).unicode() > 0x7E) {
    QWidget::keyPressEvent(event);
    return;
  }
  ApplyCommand(model::TypedKeyToken(static_cast<char>(text.at(0).unicode()), shift), 1, 1, 1);
  Redraw();
}

}  // namespace view
