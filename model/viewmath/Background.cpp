#include "model/viewmath/Background.h"

#include <algorithm>
#include <cmath>

namespace viewmath {

int PowerOfTwoSide(int side, int maxSize) {
  if (side > maxSize) return maxSize;
  if (side <= 1) return 1;
  return 1 << static_cast<int>(std::lround(std::log2(static_cast<double>(side))));
}

BackgroundFileKind ClassifyBackgroundFile(const std::string& path) {
  auto has = [&](const char* part) { return path.find(part) != std::string::npos; };
  if (has(".jpg") || has(".JPG")) return BackgroundFileKind::Jpeg;
  if (has(".tga")) return BackgroundFileKind::NotLoaded;
  if (has(".bmp") || has(".BMP")) return BackgroundFileKind::Bitmap;
  return BackgroundFileKind::NotLoaded;
}

QuadHalfSize BackgroundQuad(double volumeWidth, double volumeHeight, int w, int h) {
  w = std::max(w, 1);
  h = std::max(h, 1);
  if (h < w) {
    const double a = volumeWidth / 4;
    return {a, a * h / w};
  }
  const double b = volumeHeight / 4;
  return {b * w / h, b};
}

}  // namespace viewmath
