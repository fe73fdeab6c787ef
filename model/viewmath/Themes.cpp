#include "model/viewmath/Themes.h"

namespace viewmath {

namespace {

constexpr ThemeSpec kThemes[kThemeCount] = {
    {{"", "", "", "", "", ""}, false, false},
    {{"6", "2", "3", "4", "5", "1"}, false, false},
    {{"F", "B", "C", "E", "D", "A"}, true, false},
    {{"◎", "◇", "⊿", "□", "○", "☆"}, false, true},
    {{"≈", "≒", "∝", "∈", "≌", "〒"}, false, true},
    {{"人", "甘", "苦", "辛", "咸", "酸"}, false, true},
    {{"￥", "฿", "￡", "￠", "€", "＄"}, false, true},
    {{"天", "唐", "宋", "秦", "汉", "地"}, false, true},
};

struct StyleRow {
  bool numberFill;
  Gradient gradient;
  int warp;
};
constexpr StyleRow kStyles[kStyleCount] = {
    {false, Gradient::Radial, 3},     {false, Gradient::Horizontal, 1},
    {false, Gradient::Horizontal, 2}, {false, Gradient::Horizontal, 5},
    {false, Gradient::Horizontal, 4}, {false, Gradient::Horizontal, 3},
    {false, Gradient::Radial, 0},     {false, Gradient::Diagonal, 0},
    {false, Gradient::Horizontal, 0}, {true, Gradient::Horizontal, 0},
};

bool IsDigit(const char* g) { return g[0] >= '1' && g[0] <= '9'; }
bool IsCapital(const char* g) { return g[0] >= 'A' && g[0] <= 'Z'; }

}  // namespace

const ThemeSpec& Theme(int theme) { return kThemes[theme]; }

TileRecipe RecipeFor(int theme, int style, const char* glyph) {
  TileRecipe r;
  if (theme == 2) {  // letters: horizontal gradient, warp 3, offset letter
    r.warp = 3;
    r.placement = GlyphPlacement::LetterOffset;
    return r;
  }
  if (IsDigit(glyph) || style == 9) {
    r.numberFill = true;
    r.placement = IsDigit(glyph) ? GlyphPlacement::DigitCentred : GlyphPlacement::Embossed;
    return r;
  }
  if (IsCapital(glyph)) {
    r.gradient = Gradient::Vertical;
    r.warp = 2;
    r.placement = GlyphPlacement::LetterOffset;
    return r;
  }
  const StyleRow& row = kStyles[style];
  r.numberFill = row.numberFill;
  r.gradient = row.gradient;
  r.warp = row.warp;
  return r;
}

Tile TileBackground(const TileRecipe& recipe, Rgb colour) {
  Tile tile{};
  if (recipe.numberFill) {
    NumberStyleFill(tile, colour);
    return tile;
  }
  GradientFill(tile, recipe.gradient, colour, ShadeOf(colour));
  PolarWarp(tile, recipe.warp);
  return tile;
}

int ThemeStyleCounters::Advance(int theme) {
  counters_[theme] = (counters_[theme] + 1) % kStyleCount;
  return counters_[theme];
}

Rgb ThemeFaceColour(int theme, int face, const FacePalette& stickerPalette) {
  return Theme(theme).fromStickerPalette ? stickerPalette[face] : ThemeTileColour(face);
}

}  // namespace viewmath
