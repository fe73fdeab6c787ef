#pragma once
// The eight sticker themes: their glyphs, where their tile colours come from,
// and how each tile's background is made. Theme 0 draws flat colours.
#include <array>

#include "model/viewmath/TileArt.h"

namespace viewmath {

inline constexpr int kThemeCount = 8;
inline constexpr int kStyleCount = 10;

struct ThemeSpec {
  const char* glyphs[6];     // U F R B L D, UTF-8, one character each
  bool fromStickerPalette;   // the user's face colours rather than the fixed palette
  bool styled;               // background style taken from the theme's counter
};
const ThemeSpec& Theme(int theme);  // 1..7

// How the glyph goes onto the tile.
enum class GlyphPlacement {
  DigitCentred,   // centred in (2,2)–(32,32) in light grey, then centred in (0,0)–(32,32) in the shade
  LetterOffset,   // at (7,2) in the highlight colour, then at (8,3) in the shadow colour
  Embossed,       // centred in (2,2)–(32,32) in highlight, then in (0,0)–(32,32) in shadow
};

struct TileRecipe {
  bool numberFill = false;  // column stripes instead of a gradient
  Gradient gradient = Gradient::Horizontal;
  int warp = 0;                 // 0 none, 1..5
  GlyphPlacement placement = GlyphPlacement::Embossed;
};

// The background and glyph placement of one tile of `theme` with `style`
// (0..9; only themes 3..7 use it) for `glyph` (UTF-8).
TileRecipe RecipeFor(int theme, int style, const char* glyph);
// The tile's pixels before its glyph is drawn.
Tile TileBackground(const TileRecipe& recipe, Rgb colour);

// One style counter per styled theme; each use advances it first, so the
// first use shows style 1.
class ThemeStyleCounters {
 public:
  int Advance(int theme);
  int Current(int theme) const { return counters_[theme]; }

 private:
  std::array<int, kThemeCount> counters_{};
};

// Tile colour of `face` for `theme`: the fixed palette through its face
// mapping, or for the letters theme the user's own colour of that face.
Rgb ThemeFaceColour(int theme, int face, const FacePalette& stickerPalette);

}  // namespace viewmath
