#pragma once
// The native OpenGL window the 3D view draws into, embedded in the view with
// QWidget::createWindowContainer. Drawing here is synchronous (make current,
// draw, swap), which a turn animation needs: a QOpenGLWidget's repaint()
// composes through the backing store and silently skips frames while its
// previous frame's texture is still in use. Input arriving at this window is
// handed to the owning widget.
#include <QImage>
#include <QWindow>
#include <functional>

class QOpenGLContext;
class QOpenGLFramebufferObject;

namespace view {

class GlSurfaceWindow : public QWindow {
 public:
  // `paint` draws one frame for the window size; `initialise` runs once with
  // the new context current and reports whether it could set up.
  GlSurfaceWindow(QObject* inputTarget, std::function<bool()> initialise,
                  std::function<void(int width, int height)> paint);
  ~GlSurfaceWindow() override;

  bool HasContext() const { return ready_; }
  // Smooth edges: frames are drawn into a multisampled framebuffer of this
  // many samples per pixel and resolved onto the window; 0 draws straight to
  // the window. A multisampled window format would serve too, but it cannot
  // be switched without remaking the window, and X servers without
  // multisampled visuals (Xvfb, many remote displays) silently give none.
  void SetSamples(int samples);
  int RequestedSamples() const { return samples_; }
  bool MakeCurrent();
  void DoneCurrent();
  // Draws and presents a frame now, if the window is on screen.
  void RenderNow();
  // Draws a frame and returns its pixels instead of presenting it.
  QImage Grab();
  // What the drawing gets: samples per pixel (0 = single-sampled) and the
  // renderer's name; 0 and empty before the context exists.
  int Samples();
  QString RendererName();

 protected:
  void exposeEvent(QExposeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  bool EnsureContext();
  // Draws one frame of the window's device-pixel size into the framebuffer
  // that is read or shown afterwards.
  void DrawFrame(int width, int height);
  void ReleaseFramebuffer();

  QObject* inputTarget_;
  std::function<bool()> initialise_;
  std::function<void(int, int)> paint_;
  QOpenGLContext* context_ = nullptr;
  QOpenGLFramebufferObject* multisampled_ = nullptr;  // lives in context_
  int samples_ = 0;
  bool ready_ = false;
  bool failed_ = false;
};

}  // namespace view
