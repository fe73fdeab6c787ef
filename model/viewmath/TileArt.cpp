#include "model/viewmath/TileArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace viewmath {

Rgb ThemeTileColour(int face) {
  static constexpr int kPaletteEntry[6] = {4, 3, 2, 1, 0, 5};  // U F R B L D
  const Rgb e = kThemePalette[kPaletteEntry[face]];
  return {e.r, e.b, e.g};
}

Rgb ShadeOf(Rgb t) {
  auto shade = [](int c) { return static_cast<int>(0.35 * c + 54); };
  return {shade(t.r), shade(t.g), shade(t.b)};
}

namespace {

Rgb Mix(Rgb a, double wa, Rgb b, double wb) {
  return {static_cast<int>(a.r * wa + b.r * wb), static_cast<int>(a.g * wa + b.g * wb),
          static_cast<int>(a.b * wa + b.b * wb)};
}

Rgb DiagonalColour(int x, int y, double slope, Rgb t, Rgb s) {
  constexpr double w = kTileSize, h = kTileSize;
  const double m = std::sqrt((w / 2) * (w / 2) + (h / 2) * (h / 2));
  const double lineY = h / 2 + slope * (x - w / 2);
  const double dist = std::fabs(y - lineY) / std::sqrt(1 + slope * slope) / (2 * m);
  return y > lineY ? Mix(t, 0.5 + dist, s, 0.5 - dist) : Mix(s, 0.5 + dist, t, 0.5 - dist);
}

}  // namespace

void GradientFill(Tile& tile, Gradient kind, Rgb start, Rgb end) {
  constexpr double w = kTileSize, h = kTileSize;
  const double m = std::sqrt((w / 2) * (w / 2) + (h / 2) * (h / 2));
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) {
      Rgb& px = tile[y * kTileSize + x];
      switch (kind) {
        case Gradient::Horizontal: px = Mix(start, 1 - x / w, end, x / w); break;
        case Gradient::Vertical: px = Mix(start, 1 - y / h, end, y / h); break;
        case Gradient::Radial: {
          const double u = std::hypot(x - w / 2, y - h / 2) / m;
          px = u <= 1 ? Mix(start, 1 - u, end, u) : end;
          break;
        }
        case Gradient::Diagonal: px = DiagonalColour(x, y, h / w, start, end); break;
        case Gradient::AntiDiagonal: px = DiagonalColour(x, y, -h / w, start, end); break;
      }
    }
}

namespace {

// (radius, angle) of a destination pixel → (radius, angle) to sample from.
void WarpPolar(int effect, double maxRadius, double& r, double& a) {
  const double rel = r / maxRadius;
  switch (effect) {
    case 1: a += 2.2 * (1 - rel) * (1 - rel); break;                // swirl, strongest at the centre
    case 2: r += 2.0 * std::sin(r * 0.9); break;                    // concentric ripples
    case 3: a += 0.35 * std::sin(r * 0.7); break;                   // rippling spokes
    case 4: r = maxRadius * std::pow(rel, 1.7); break;              // pinch towards the centre
    case 5: r *= 1 + 0.25 * std::cos(6 * a); break;                 // six petals
    default: break;
  }
}

}  // namespace

void PolarWarp(Tile& tile, int effect) {
  if (effect < 1 || effect > kWarpCount) return;
  const Tile source = tile;
  constexpr double c = (kTileSize - 1) / 2.0;
  const double maxRadius = std::hypot(c, c);
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) {
      double r = std::hypot(x - c, y - c);
      double a = std::atan2(y - c, x - c);
      WarpPolar(effect, maxRadius, r, a);
      const int sx = std::clamp(static_cast<int>(std::lround(c + r * std::cos(a))), 0, kTileSize - 1);
      const int sy = std::clamp(static_cast<int>(std::lround(c + r * std::sin(a))), 0, kTileSize - 1);
      tile[y * kTileSize + x] = source[sy * kTileSize + sx];
    }
}

void NumberStyleFill(Tile& tile, Rgb t) {
  for (int x = 0; x < kTileSize; ++x) {
    const unsigned g = static_cast<unsigned>(x + 1);
    const unsigned r = unsigned(t.r) * g, gr = unsigned(t.g) * g, b = unsigned(t.b) * g;
    const Rgb px{static_cast<int>((r | (gr >> 8)) % 256), static_cast<int>((gr | (b >> 8)) % 256),
                 static_cast<int>(b % 256)};
    for (int y = 0; y < kTileSize; ++y) tile[y * kTileSize + x] = px;
  }
}

}  // namespace viewmath
