#pragma once
// Rules for the background picture: texture sizes, which files are loaded,
// and the size of the quad it is drawn on.
#include <cstddef>
#include <string>

namespace viewmath {

// A picture side rounded to the nearest power of two (by the rounded base-2
// logarithm), or `maxSize` when the side is larger than that.
int PowerOfTwoSide(int side, int maxSize);

// What a chosen background file becomes, judged by case-sensitive parts of its path.
enum class BackgroundFileKind { Jpeg, Bitmap, NotLoaded };
BackgroundFileKind ClassifyBackgroundFile(const std::string& path);

// Larger picture files are not read (a photograph is a few megabytes; an
// uncompressed 4000 × 3000 bitmap 36 MB).
inline constexpr std::size_t kMaxBackgroundFileBytes = 64u << 20;

// Half-extents (a, b) of the background quad: the picture keeps its aspect
// ratio and its longer side spans a quarter of the volume on each side.
struct QuadHalfSize {
  double a, b;
};
QuadHalfSize BackgroundQuad(double volumeWidth, double volumeHeight, int pictureWidth,
                            int pictureHeight);

}  // namespace viewmath
