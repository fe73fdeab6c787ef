// Paints the default background picture of the 3D view, a 512 × 512
// landscape (blue sky, two ranges of mountains, a lake mirroring them), as a
// binary PPM on standard output. resources/pictures/README.md has the
// command that turns it into the committed baseline JPEG.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSide = 512;
constexpr int kHorizon = 330;  // the lake's shore line

struct Colour {
  double r, g, b;
};

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A ridge line: sums of sines, height in rows above the horizon.
double Ridge(double x, double base, double scale, double phase) {
  return base + scale * (0.55 * std::sin(x * 0.011 + phase) + 0.3 * std::sin(x * 0.027 + 2 * phase) +
                         0.15 * std::sin(x * 0.071 + 3 * phase));
}

double Hash(int x, int y) {
  std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return double(h & 0xFFFF) / 65535.0;
}

Colour Land(int x, int y) {
  const Colour skyTop{40, 90, 190}, skyLow{165, 205, 240};
  const Colour far{95, 115, 150}, snow{235, 240, 248}, nearDark{45, 80, 55}, nearLight{85, 125, 70};
  const double farTop = kHorizon - Ridge(x, 150, 55, 0.7);
  const double nearTop = kHorizon - Ridge(x + 900, 70, 35, 2.1);
  if (y >= nearTop) {
    const double t = (y - nearTop) / std::max(1.0, kHorizon - nearTop);
    return Mix(nearLight, nearDark, std::clamp(t + 0.15 * Hash(x, y), 0.0, 1.0));
  }
  if (y >= farTop) {
    const double depth = y - farTop;
    Colour c = Mix(far, Colour{70, 90, 120}, std::clamp(depth / 160.0, 0.0, 1.0));
    if (depth < 22 + 10 * Hash(x / 3, 7)) c = Mix(snow, c, depth / 30.0);
    return c;
  }
  Colour sky = Mix(skyTop, skyLow, std::clamp(double(y) / kHorizon, 0.0, 1.0));
  // A few soft clouds.
  const double cloud = std::sin(x * 0.02 + y * 0.05) * std::sin(x * 0.013 - y * 0.03);
  if (y < 150 && cloud > 0.55) sky = Mix(sky, Colour{250, 250, 252}, (cloud - 0.55) * 1.6);
  return sky;
}

}  // namespace

int main() {
  std::vector<std::uint8_t> pixels(kSide * kSide * 3);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      Colour c;
      if (y < kHorizon) {
        c = Land(x, y);
      } else {
        // The lake mirrors the land, rippled and tinted.
        const int mirrored = 2 * kHorizon - y - 1;
        const int ripple = int(std::lround(3 * std::sin(y * 0.45 + x * 0.02)));
        c = Land(std::clamp(x + ripple, 0, kSide - 1), std::max(mirrored, 0));
        c = Mix(c, Colour{30, 70, 120}, 0.35 + 0.25 * double(y - kHorizon) / (kSide - kHorizon));
      }
      std::uint8_t* p = &pixels[(y * kSide + x) * 3];
      p[0] = std::uint8_t(std::clamp(c.r, 0.0, 255.0));
      p[1] = std::uint8_t(std::clamp(c.g, 0.0, 255.0));
      p[2] = std::uint8_t(std::clamp(c.b, 0.0, 255.0));
    }
  std::printf("P6\n%d %d\n255\n", kSide, kSide);
  std::fwrite(pixels.data(), 1, pixels.size(), stdout);
  return 0;
}
