#pragma once
// Process-wide appearance of the 3D view: the flags of the 外观 menu and the
// colour tables the drawing reads. None of it is saved between runs.
#include <array>

namespace view {

struct Appearance {
  bool textured = true;     // glyph tiles (themes 1..7) rather than flat colours (theme 0)
  bool projection = true;   // floating copies of the three hidden faces (order 3 only)
  bool background = true;   // the picture behind the cube
  bool sunlight = false;    // the second light
  int theme = 1;            // 0..7, numbers theme at start
};
extern Appearance gAppearance;

struct RgbF {
  float r, g, b;
};

// Flat sticker colours: 0..5 the user's face colours U F R B L D, 6 inner faces,
// 7 black, 8 orange. The colour-input form writes entries 0..5.
extern std::array<RgbF, 9> gStickerPalette;
// Tints of the textured stickers: white for 0..5, light grey for inner faces.
extern std::array<RgbF, 7> gTintPalette;

// Sets entries 0..5 of the sticker palette from 0x00BBGGRR values.
void SetFaceColours(const std::array<unsigned, 6>& colours);

}  // namespace view
