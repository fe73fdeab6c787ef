#include "view/GlSurfaceWindow.h"

#include <algorithm>

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

namespace view {

GlSurfaceWindow::GlSurfaceWindow(QObject* inputTarget, std::function<bool()> initialise,
                                 std::function<void(int, int)> paint)
    : inputTarget_(inputTarget), initialise_(std::move(initialise)), paint_(std::move(paint)) {
  setSurfaceType(QSurface::OpenGLSurface);
  setFlag(Qt::WindowDoesNotAcceptFocus);
  setFormat(QSurfaceFormat::defaultFormat());
}

GlSurfaceWindow::~GlSurfaceWindow() {
  ReleaseFramebuffer();
  delete context_;
}

void GlSurfaceWindow::SetSamples(int samples) {
  samples_ = std::max(samples, 0);
  ReleaseFramebuffer();
}

void GlSurfaceWindow::ReleaseFramebuffer() {
  if (!multisampled_) return;
  if (MakeCurrent()) delete multisampled_;  // without the context its names are gone anyway
  multisampled_ = nullptr;
}

void GlSurfaceWindow::DrawFrame(int w, int h) {
  if (samples_ > 0 && QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
    if (!multisampled_ || multisampled_->size() != QSize(w, h)) {
      delete multisampled_;
      QOpenGLFramebufferObjectFormat format;
      format.setSamples(samples_);
      format.setAttachment(QOpenGLFramebufferObject::Depth);
      multisampled_ = new QOpenGLFramebufferObject(w, h, format);
    }
    if (multisampled_->isValid() && multisampled_->bind()) {
      paint_(w, h);
      QOpenGLFramebufferObject::bindDefault();
      const QRect all(0, 0, w, h);
      QOpenGLFramebufferObject::blitFramebuffer(nullptr, all, multisampled_, all, GL_COLOR_BUFFER_BIT,
                                                GL_NEAREST);
      return;
    }
  }
  paint_(w, h);
}

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
  DrawFrame(int(width() * ratio), int(height() * ratio));
  context_->swapBuffers(this);
}

QImage GlSurfaceWindow::Grab() {
  if (!isExposed() || !EnsureContext() || !context_->makeCurrent(this)) return {};
  const qreal ratio = devicePixelRatio();
  const int w = int(width() * ratio), h = int(height() * ratio);
  DrawFrame(w, h);
  QImage image(w, h, QImage::Format_RGBA8888);
  context_->functions()->glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
  return image.mirrored();
}

int GlSurfaceWindow::Samples() {
  if (!MakeCurrent()) return 0;
  if (multisampled_ && multisampled_->isValid()) return multisampled_->format().samples();
  GLint samples = 0;
  context_->functions()->glGetIntegerv(GL_SAMPLES, &samples);
  return samples;
}

QString GlSurfaceWindow::RendererName() {
  // Also asked while the context is being set up, before it counts as ready.
  if (!context_ || !context_->makeCurrent(this)) return {};
  return QString::fromLatin1(reinterpret_cast<const char*>(context_->functions()->glGetString(GL_RENDERER)));
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
