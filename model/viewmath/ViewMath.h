#pragma once
// The arithmetic of the 3D view, free of OpenGL and Qt: the oversized viewport
// and its orthographic volume, the camera presets, the wheel zoom, the
// model-view matrix of a frame, projection to window coordinates (as GLU's
// gluProject does) and the test of which cube faces face the viewer.
//
// Frame: model space as in model/WCube.h (+X = R, +Y = U, +Z = F, the cube
// spans ±N/2). The eye sits on +Z looking towards −Z. Window coordinates have
// y up (OpenGL's convention) and z = depth in 0..1 (smaller is nearer).
// Matrices are column-major, as OpenGL takes them.
#include <array>

namespace viewmath {

using Mat4 = std::array<double, 16>;

struct Viewport {
  int x = 0, y = 0, width = 0, height = 0;
  std::array<int, 4> AsArray() const { return {x, y, width, height}; }
};

struct OrthoVolume {
  double left = 0, right = 0, bottom = 0, top = 0;
  static constexpr double kNear = 1.0;
  static constexpr double kFar = 1522.0;
  double Width() const { return right - left; }
  double Height() const { return top - bottom; }
};

struct ViewSetup {
  Viewport viewport;
  OrthoVolume volume;
};

// Window client size (cx, cy > 0) → a viewport 350 pixels or more larger than
// the window on every side, and the orthographic volume of the same aspect.
ViewSetup ComputeViewSetup(int cx, int cy);
// The same framing on a screen of `ratio` device pixels per logical pixel:
// the viewport scaled to device pixels, the volume unchanged.
ViewSetup ScaleViewSetup(const ViewSetup& logical, double ratio);

Mat4 Identity();
Mat4 Multiply(const Mat4& a, const Mat4& b);  // a · b
Mat4 Ortho(const OrthoVolume& v);
Mat4 LookAt(double eyeX, double eyeY, double eyeZ, double centreX, double centreY,
            double centreZ, double upX, double upY, double upZ);
Mat4 Scale(double s);
Mat4 Rotation(double angleDegrees, double x, double y, double z);  // as glRotate

struct WinPoint {
  double x = 0, y = 0, z = 0;
};
// Object point → window coordinates, as gluProject (false when w is 0).
bool Project(double x, double y, double z, const Mat4& modelView, const Mat4& projection,
             const Viewport& viewport, WinPoint& out);

struct Camera {
  float zoom = 1.28f;
  float tilt = 30.0f;        // degrees about X, applied after the trackball
  float spin = -45.0f;       // degrees about Y, applied after tilt
  float eyeHeight = -0.5f;   // Y of eye and target
  float up = 1.0f;           // Y of the up vector
};

// The camera of a new game of order N (2..7).
Camera ShowViewPreset(int order, bool projection);
// The camera after the projection view is switched to `projectionOn` (order 3 only).
Camera ProjectionTogglePreset(bool projectionOn);
// The zoom set when the view window is created with a cube of `order`.
float ZoomAtCreation(int order, float current);

inline constexpr float kZoomStep = 0.03f;
inline constexpr float kZoomMax = 2.5f;
inline constexpr float kZoomMin = 0.1f;
// One wheel message: exactly ±120 steps the zoom within its limits; any other delta changes nothing.
float WheelZoom(float zoom, int delta);

// The frame's model-view matrix: look-at, zoom, trackball, tilt, spin.
Mat4 ModelViewMatrix(const Camera& camera, const std::array<float, 16>& trackball);

// Which faces (+X, −X, +Y, −Y, +Z, −Z) of the cube face the viewer.
std::array<bool, 6> ComputeFaceVisibility(const Mat4& modelView, const Mat4& projection,
                                          const Viewport& viewport);

}  // namespace viewmath
