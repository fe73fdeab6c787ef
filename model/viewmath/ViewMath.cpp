#include "model/viewmath/ViewMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace viewmath {

ViewSetup ComputeViewSetup(int cx, int cy) {
  ViewSetup s;
  const int q = std::max(cx, cy) / std::max(1, std::min(cx, cy));
  if (cx > cy)
    s.viewport = {-350 * q, -350, 700 * q + cx, cy + 700};
  else
    s.viewport = {-350, -350 * q, cx + 700, 700 * q + cy};
  const double e = static_cast<double>(s.viewport.width) / s.viewport.height;
  if (e <= 1)
    s.volume = {-10.5, 10.5, -10.5 / e, 10.5 / e};
  else
    s.volume = {-10.5 * e, 10.5 * e, -10.5, 10.5};
  return s;
}

ViewSetup ScaleViewSetup(const ViewSetup& logical, double ratio) {
  const auto scaled = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
  ViewSetup s = logical;
  s.viewport = {scaled(logical.viewport.x), scaled(logical.viewport.y), scaled(logical.viewport.width),
                scaled(logical.viewport.height)};
  return s;
}

Mat4 Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Mat4 Multiply(const Mat4& a, const Mat4& b) {
  Mat4 r{};
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[col * 4 + k];
      r[col * 4 + row] = sum;
    }
  return r;
}

Mat4 Ortho(const OrthoVolume& v) {
  Mat4 m = Identity();
  const double n = OrthoVolume::kNear, f = OrthoVolume::kFar;
  m[0] = 2 / (v.right - v.left);
  m[5] = 2 / (v.top - v.bottom);
  m[10] = -2 / (f - n);
  m[12] = -(v.right + v.left) / (v.right - v.left);
  m[13] = -(v.top + v.bottom) / (v.top - v.bottom);
  m[14] = -(f + n) / (f - n);
  return m;
}

namespace {
void Normalise(double v[3]) {
  const double len = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (len > 0)
    for (int i = 0; i < 3; ++i) v[i] /= len;
}
void Cross(const double a[3], const double b[3], double out[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}
}  // namespace

Mat4 LookAt(double eyeX, double eyeY, double eyeZ, double centreX, double centreY,
            double centreZ, double upX, double upY, double upZ) {
  double f[3] = {centreX - eyeX, centreY - eyeY, centreZ - eyeZ};
  Normalise(f);
  double up[3] = {upX, upY, upZ};
  double s[3], u[3];
  Cross(f, up, s);
  Normalise(s);
  Cross(s, f, u);
  Mat4 m = Identity();
  for (int i = 0; i < 3; ++i) {
    m[i * 4 + 0] = s[i];
    m[i * 4 + 1] = u[i];
    m[i * 4 + 2] = -f[i];
  }
  Mat4 t = Identity();
  t[12] = -eyeX;
  t[13] = -eyeY;
  t[14] = -eyeZ;
  return Multiply(m, t);
}

Mat4 Scale(double s) {
  Mat4 m = Identity();
  m[0] = m[5] = m[10] = s;
  return m;
}

Mat4 Rotation(double angleDegrees, double x, double y, double z) {
  double axis[3] = {x, y, z};
  Normalise(axis);
  const double a = angleDegrees * std::numbers::pi / 180.0;
  const double c = std::cos(a), s = std::sin(a), t = 1 - c;
  x = axis[0];
  y = axis[1];
  z = axis[2];
  return {t * x * x + c,     t * x * y + s * z, t * x * z - s * y, 0,
          t * x * y - s * z, t * y * y + c,     t * y * z + s * x, 0,
          t * x * z + s * y, t * y * z - s * x, t * z * z + c,     0,
          0,                 0,                 0,                 1};
}

bool Project(double x, double y, double z, const Mat4& mv, const Mat4& proj,
             const Viewport& vp, WinPoint& out) {
  const double in[4] = {x, y, z, 1};
  double eye[4], clip[4];
  for (int r = 0; r < 4; ++r)
    eye[r] = mv[r] * in[0] + mv[4 + r] * in[1] + mv[8 + r] * in[2] + mv[12 + r] * in[3];
  for (int r = 0; r < 4; ++r)
    clip[r] = proj[r] * eye[0] + proj[4 + r] * eye[1] + proj[8 + r] * eye[2] + proj[12 + r] * eye[3];
  if (clip[3] == 0) return false;
  for (int i = 0; i < 3; ++i) clip[i] /= clip[3];
  out.x = vp.x + vp.width * (clip[0] + 1) / 2;
  out.y = vp.y + vp.height * (clip[1] + 1) / 2;
  out.z = (clip[2] + 1) / 2;
  return true;
}

Camera ShowViewPreset(int order, bool projection) {
  struct Row {
    float zoom, tilt, spin, eyeHeight;
  };
  // Orders 2..7; order 3 has its own row per projection state.
  static constexpr Row kRows[] = {
      {1.8f, 25, -30, 0}, {0.9f, 25, -30, 0}, {1.0f, 25, -30, 0},
      {0.86f, 25, -30, 0}, {0.8f, 25, -30, 0}, {0.8f, 25, -30, 0},
  };
  if (order == 3) return ProjectionTogglePreset(projection);
  const Row& r = kRows[std::clamp(order, 2, 7) - 2];
  return {r.zoom, r.tilt, r.spin, r.eyeHeight, 1.0f};
}

Camera ProjectionTogglePreset(bool projectionOn) {
  return projectionOn ? Camera{0.9f, 30, -45, -0.5f, 1.0f} : Camera{0.9f, 25, -30, 0, 1.0f};
}

float ZoomAtCreation(int order, float current) {
  switch (order) {
    case 2: return 1.8f;
    case 3: return 0.9f;
    case 4:
    case 5: return 0.8f;
    default: return current;
  }
}

float WheelZoom(float zoom, int delta) {
  if (delta == 120) return std::min(zoom + kZoomStep, kZoomMax);
  if (delta == -120) return std::max(zoom - kZoomStep, kZoomMin);
  return zoom;
}

Mat4 ModelViewMatrix(const Camera& c, const std::array<float, 16>& trackball) {
  Mat4 ball;
  for (int i = 0; i < 16; ++i) ball[i] = trackball[i];
  Mat4 m = LookAt(0, c.eyeHeight, 11.5, 0, c.eyeHeight, -50, 0, c.up, 0);
  m = Multiply(m, Scale(c.zoom));
  m = Multiply(m, ball);
  m = Multiply(m, Rotation(c.tilt, 1, 0, 0));
  return Multiply(m, Rotation(c.spin, 0, 1, 0));
}

std::array<bool, 6> ComputeFaceVisibility(const Mat4& mv, const Mat4& proj, const Viewport& vp) {
  // Per face (+X, −X, +Y, −Y, +Z, −Z): the normal axis and sign, and two
  // in-plane axes u, v with u × v along the outward normal, so corner,
  // corner + u, corner + v run counter-clockwise seen from outside.
  struct FaceAxes {
    int normal;
    double sign;
    int u, v;
  };
  static constexpr FaceAxes kFaces[6] = {
      {0, +1, 1, 2}, {0, -1, 2, 1}, {1, +1, 2, 0}, {1, -1, 0, 2}, {2, +1, 0, 1}, {2, -1, 1, 0},
  };
  std::array<bool, 6> visible{};
  for (int f = 0; f < 6; ++f) {
    double p0[3] = {-0.5, -0.5, -0.5};
    p0[kFaces[f].normal] = 0.5 * kFaces[f].sign;
    double p1[3] = {p0[0], p0[1], p0[2]};
    double p2[3] = {p0[0], p0[1], p0[2]};
    p1[kFaces[f].u] += 1;
    p2[kFaces[f].v] += 1;
    WinPoint w0, w1, w2;
    if (!Project(p0[0], p0[1], p0[2], mv, proj, vp, w0) ||
        !Project(p1[0], p1[1], p1[2], mv, proj, vp, w1) ||
        !Project(p2[0], p2[1], p2[2], mv, proj, vp, w2))
      continue;
    const double crossZ = (w1.x - w0.x) * (w2.y - w0.y) - (w1.y - w0.y) * (w2.x - w0.x);
    visible[f] = crossZ > 0;
  }
  return visible;
}

}  // namespace viewmath
