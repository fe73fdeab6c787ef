#include "view/GlSurfaceWindow.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

namespace view {

GlSurfaceWindow::GlSurfaceWindow(QObject* inputTarget, std::function<bool()> initialise,
                                 std::function<void(int, int)> paint)
    : inputTarget_(inputTarget), initialise_(std::move(initialise)), paint_(std::move(paint)) {
  setSurfaceType(QSurface::OpenGLSurface);
  setFlag(Qt::WindowDoesNotAcceptFocus);
  setFormat(QSurfaceFormat::defaultFormat());
}

GlSurfaceWindow::~GlSurfaceWindow() { delete context_; }

bool GlSurfaceWindow::EnsureContext() {
  if (ready_) return true;
  if (failed_ || !isExposed()) return false;
  context_ = new QOpenGLContext;
  context_->setFormat(requestedFormat());
  if (!context_->create() || !context_->makeCurrent(this) || !initialise_()) {
    failed_ = true;
    return false;
  }
  ready_ = true;
  return true;
}

bool GlSurfaceWindow::MakeCurrent() { return ready_ && context_->makeCurrent(this); }

void GlSurfaceWindow::DoneCurrent() {
  if (context_) context_->doneCurrent();
}

void GlSurfaceWindow::RenderNow() {
  if (!isExposed() || !EnsureContext() || !context_->makeCurrent(this)) return;
  const qreal ratio = devicePixelRatio();
  paint_(int(width() * ratio), int(height() * ratio));
  context_->swapBuffers(this);
}

QImage GlSurfaceWindow::Grab() {
  if (!isExposed() || !EnsureContext() || !context_->makeCurrent(this)) return {};
  const qreal ratio = devicePixelRatio();
  const int w = int(width() * ratio), h = int(height() * ratio);
  paint_(w, h);
  QImage image(w, h, QImage::Format_RGBA8888);
  context_->functions()->glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
  return image.mirrored();
}

void GlSurfaceWindow::exposeEvent(QExposeEvent*) {
  if (isExposed()) RenderNow();
}

bool GlSurfaceWindow::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::UpdateRequest:
      RenderNow();
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return QCoreApplication::sendEvent(inputTarget_, event);
    default:
      return QWindow::event(event);
  }
}

}  // namespace view
