// Draws the application icon: a cube seen from a corner, its top (U, yellow),
// front (F, blue) and right (R, red) faces each with 3 × 3 stickers on a black
// body, on a transparent background. Writes one RGBA PAM image of the given
// size to standard output; resources/README.md shows how the PNGs are made.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Point {
  double x, y;
};
struct Rgba {
  double r, g, b, a;
};

// A face is the parallelogram origin + u·edgeU + v·edgeV, u and v in [0, 1].
struct Face {
  Point origin, edgeU, edgeV;
  Rgba colour;
};

constexpr double kGap = 0.09;     // black border around each sticker, in sticker widths
constexpr int kSupersample = 6;   // samples per pixel side, for smooth edges

bool Locate(const Face& f, Point p, double& u, double& v) {
  const double det = f.edgeU.x * f.edgeV.y - f.edgeU.y * f.edgeV.x;
  const double dx = p.x - f.origin.x, dy = p.y - f.origin.y;
  u = (dx * f.edgeV.y - dy * f.edgeV.x) / det;
  v = (f.edgeU.x * dy - f.edgeU.y * dx) / det;
  return u >= 0 && u <= 1 && v >= 0 && v <= 1;
}

// The colour at a point of the unit square image (y downwards).
Rgba Sample(const std::vector<Face>& faces, Point p) {
  for (const Face& f : faces) {
    double u, v;
    if (!Locate(f, p, u, v)) continue;
    const double su = u * 3 - std::floor(std::min(u * 3, 2.999));
    const double sv = v * 3 - std::floor(std::min(v * 3, 2.999));
    const bool sticker = su > kGap && su < 1 - kGap && sv > kGap && sv < 1 - kGap;
    return sticker ? f.colour : Rgba{0.08, 0.08, 0.08, 1};
  }
  return {0, 0, 0, 0};
}

}  // namespace

int main(int argc, char** argv) {
  const int size = argc > 1 ? std::atoi(argv[1]) : 0;
  if (size < 8 || size > 1024) {
    std::fprintf(stderr, "usage: tool_make_icon SIZE (8..1024) > icon.pam\n");
    return 2;
  }
  const double r = 0.48, c30 = std::cos(M_PI / 6);
  const Point centre{0.5, 0.5}, top{0.5, 0.5 - r}, upperRight{0.5 + r * c30, 0.5 - r / 2},
      upperLeft{0.5 - r * c30, 0.5 - r / 2}, bottom{0.5, 0.5 + r};
  auto sub = [](Point a, Point b) { return Point{a.x - b.x, a.y - b.y}; };
  // U yellow, F blue, R red, as the default face colours; the sides a little shaded.
  const std::vector<Face> faces = {
      {upperLeft, sub(centre, upperLeft), sub(top, upperLeft), {1.0, 0.9, 0.0, 1}},
      {upperLeft, sub(centre, upperLeft), sub(bottom, centre), {0.1, 0.25, 0.95, 1}},
      {centre, sub(upperRight, centre), sub(bottom, centre), {0.9, 0.08, 0.05, 1}},
  };
  std::printf("P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n", size, size);
  std::vector<unsigned char> row(size * 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Rgba sum{0, 0, 0, 0};
      for (int sy = 0; sy < kSupersample; ++sy) {
        for (int sx = 0; sx < kSupersample; ++sx) {
          const Point p{(x + (sx + 0.5) / kSupersample) / size, (y + (sy + 0.5) / kSupersample) / size};
          const Rgba s = Sample(faces, p);
          sum.r += s.r * s.a, sum.g += s.g * s.a, sum.b += s.b * s.a, sum.a += s.a;
        }
      }
      const double n = kSupersample * kSupersample;
      const double a = sum.a / n;
      auto channel = [&](double premultiplied) {
        return static_cast<unsigned char>(a > 0 ? std::lround(std::clamp(premultiplied / sum.a, 0.0, 1.0) * 255) : 0);
      };
      row[x * 4 + 0] = channel(sum.r);
      row[x * 4 + 1] = channel(sum.g);
      row[x * 4 + 2] = channel(sum.b);
      row[x * 4 + 3] = static_cast<unsigned char>(std::lround(a * 255));
    }
    std::fwrite(row.data(), 1, row.size(), stdout);
  }
  return 0;
}
