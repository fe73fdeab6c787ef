#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/viewmath/Themes.h"
#include "model/viewmath/TileArt.h"

namespace {

using namespace viewmath;

Rgb At(const Tile& t, int x, int y) { return t[y * kTileSize + x]; }

TEST(TileColours, FixedPaletteGivesTheStandardFaceColours) {
  const Rgb standard[6] = {{255, 255, 1}, {1, 1, 255}, {255, 1, 1},
                           {1, 255, 1},   {255, 1, 255}, {255, 255, 255}};
  for (int face = 0; face < 6; ++face) EXPECT_EQ(ThemeTileColour(face), standard[face]) << face;
  EXPECT_EQ(ShadeOf({255, 1, 100}), (Rgb{143, 54, 89}));
}

TEST(TileColours, LettersFollowTheUsersFaceColours) {
  FacePalette user = kThemePalette;
  user[0] = {10, 20, 30};
  EXPECT_EQ(ThemeFaceColour(2, 0, user), (Rgb{10, 20, 30}));
  EXPECT_EQ(ThemeFaceColour(2, 4, user), user[4]);
  EXPECT_EQ(ThemeFaceColour(3, 0, user), ThemeTileColour(0));
}

TEST(Gradients, RunFromStartToEnd) {
  const Rgb t{200, 100, 0}, s{0, 100, 200};
  Tile tile{};
  GradientFill(tile, Gradient::Horizontal, t, s);
  EXPECT_EQ(At(tile, 0, 5), t);
  EXPECT_EQ(At(tile, 16, 5), (Rgb{100, 100, 100}));
  EXPECT_EQ(At(tile, 31, 0), At(tile, 31, 31));
  GradientFill(tile, Gradient::Vertical, t, s);
  EXPECT_EQ(At(tile, 7, 0), t);
  EXPECT_EQ(At(tile, 0, 16), (Rgb{100, 100, 100}));
  GradientFill(tile, Gradient::Radial, t, s);
  EXPECT_EQ(At(tile, 16, 16), t);
  EXPECT_EQ(At(tile, 0, 0), s);  // the corner lies at u = 1
  GradientFill(tile, Gradient::Diagonal, t, s);
  EXPECT_EQ(At(tile, 16, 16), (Rgb{100, 100, 100}));  // on the line: an even mix
  // Off the line the two sides mirror each other's weights.
  const Rgb below = At(tile, 0, 31), above = At(tile, 31, 0);
  EXPECT_EQ(below.r, above.b);
  EXPECT_EQ(below.b, above.r);
}

TEST(NumberFill, StripesWrapBrightChannels) {
  Tile tile{};
  NumberStyleFill(tile, {255, 1, 1});
  EXPECT_EQ(At(tile, 0, 9), (Rgb{255, 1, 1}));
  // Column 1: g = 2: red = (510 | 0) mod 256 = 254, green = (2 | 0) = 2, blue = 2.
  EXPECT_EQ(At(tile, 1, 0), (Rgb{254, 2, 2}));
  // Column 31: g = 32: red = 8160 mod 256 = 224, green = 32, blue = 32.
  EXPECT_EQ(At(tile, 31, 31), (Rgb{224, 32, 32}));
  NumberStyleFill(tile, {1, 255, 1});
  // g = 3: red = (3 | (765 >> 8)) = 3 | 2 = 3, green = (765 | 0) mod 256 = 253.
  EXPECT_EQ(At(tile, 2, 0), (Rgb{3, 253, 3}));
}

TEST(PolarWarp, MovesPixelsWithoutInventingColours) {
  Tile gradient{};
  GradientFill(gradient, Gradient::Horizontal, {255, 0, 0}, {0, 0, 255});
  std::set<int> before;
  for (const Rgb& p : gradient) before.insert(p.r * 65536 + p.g * 256 + p.b);
  std::set<std::string> distinct;
  for (int effect = 1; effect <= kWarpCount; ++effect) {
    Tile warped = gradient;
    PolarWarp(warped, effect);
    EXPECT_NE(warped, gradient) << effect;
    std::string key;
    for (const Rgb& p : warped) {
      EXPECT_TRUE(before.count(p.r * 65536 + p.g * 256 + p.b)) << effect;
      key += char(p.r);
    }
    distinct.insert(key);
    Tile flat;
    flat.fill({9, 8, 7});
    PolarWarp(flat, effect);
    for (const Rgb& p : flat) ASSERT_EQ(p, (Rgb{9, 8, 7}));
  }
  EXPECT_EQ(distinct.size(), 5u);
  Tile unchanged = gradient;
  PolarWarp(unchanged, 0);
  PolarWarp(unchanged, 6);
  EXPECT_EQ(unchanged, gradient);
}

TEST(ThemeStyles, CountersAdvanceBeforeUseAndStaySeparate) {
  ThemeStyleCounters counters;
  EXPECT_EQ(counters.Advance(4), 1);
  EXPECT_EQ(counters.Advance(4), 2);
  EXPECT_EQ(counters.Advance(4), 3);
  EXPECT_EQ(counters.Advance(3), 1);
  EXPECT_EQ(counters.Current(5), 0);
  for (int i = 0; i < 7; ++i) counters.Advance(4);
  EXPECT_EQ(counters.Current(4), 0);  // wraps after style 9
  // Symbols styles 1, 2, 3: horizontal gradient with warps 1, 2 and 5.
  const int warps[] = {1, 2, 5};
  for (int style = 1; style <= 3; ++style) {
    const TileRecipe r = RecipeFor(4, style, "≈");
    EXPECT_FALSE(r.numberFill);
    EXPECT_EQ(r.gradient, Gradient::Horizontal);
    EXPECT_EQ(r.warp, warps[style - 1]);
    EXPECT_EQ(r.placement, GlyphPlacement::Embossed);
  }
}

TEST(ThemeStyles, RecipesByGlyphKind) {
  EXPECT_TRUE(RecipeFor(1, 0, "6").numberFill);
  EXPECT_EQ(RecipeFor(1, 0, "6").placement, GlyphPlacement::DigitCentred);
  const TileRecipe letters = RecipeFor(2, 0, "F");
  EXPECT_EQ(letters.gradient, Gradient::Horizontal);
  EXPECT_EQ(letters.warp, 3);
  EXPECT_EQ(letters.placement, GlyphPlacement::LetterOffset);
  const TileRecipe styleNine = RecipeFor(7, 9, "天");
  EXPECT_TRUE(styleNine.numberFill);
  EXPECT_EQ(styleNine.placement, GlyphPlacement::Embossed);
  EXPECT_EQ(RecipeFor(5, 0, "人").gradient, Gradient::Radial);
  EXPECT_EQ(RecipeFor(5, 7, "人").gradient, Gradient::Diagonal);
  for (int theme = 1; theme < kThemeCount; ++theme)
    for (int face = 0; face < 6; ++face) EXPECT_FALSE(std::string(Theme(theme).glyphs[face]).empty());
}

}  // namespace
