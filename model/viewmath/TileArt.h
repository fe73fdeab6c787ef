#pragma once
// The pixels behind the glyph tiles of the sticker themes, without fonts:
// tile colours and shades, gradients, the five polar warps and the
// column-striped "number" fill. The glyph itself is painted on top by the view.
#include <array>
#include <cstdint>

namespace viewmath {

struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr int kTileSize = 32;
// A tile's pixels, row by row from the top, each row left to right.
using Tile = std::array<Rgb, kTileSize * kTileSize>;

// Six colours in face order U F R B L D.
using FacePalette = std::array<Rgb, 6>;

// The fixed palette of the glyph themes.
inline constexpr FacePalette kThemePalette = {
    Rgb{255, 255, 1}, Rgb{1, 1, 255}, Rgb{255, 1, 1}, Rgb{1, 255, 1}, Rgb{255, 1, 255}, Rgb{255, 255, 255}};

// Tile colour of `face` (0..5) from the fixed theme palette: entry p(face)
// with green and blue exchanged, which gives each face its standard colour.
Rgb ThemeTileColour(int face);
// The darker companion colour of a tile: 0.35·T + 54 per channel, truncated.
Rgb ShadeOf(Rgb t);

enum class Gradient { Horizontal, Vertical, Radial, Diagonal, AntiDiagonal };
void GradientFill(Tile& tile, Gradient kind, Rgb start, Rgb end);

inline constexpr int kWarpCount = 5;
// Replaces every pixel by the pixel of the unwarped tile found through a
// remapping of its polar coordinates about the tile centre (effect 1..5).
void PolarWarp(Tile& tile, int effect);

// Column j gets g = j + 1 times each channel, the products OR-ed with the
// next channel's product shifted down by 8 bits, modulo 256: bright channels
// wrap into stripes across the tile; the left column is `t` itself.
void NumberStyleFill(Tile& tile, Rgb t);

}  // namespace viewmath
