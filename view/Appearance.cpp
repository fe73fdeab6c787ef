#include "view/Appearance.h"

#include "settings/Settings.h"

namespace view {

Appearance gAppearance;

namespace {
RgbF FromColourRef(unsigned c) {
  return {(c & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, ((c >> 16) & 0xFF) / 255.0f};
}
std::array<RgbF, 9> DefaultStickerPalette() {
  std::array<RgbF, 9> p{};
  for (int i = 0; i < 6; ++i) p[i] = FromColourRef(settings::kDefaultFaceColours[i]);
  p[6] = {220 / 255.0f, 220 / 255.0f, 220 / 255.0f};
  p[7] = {0, 0, 0};
  p[8] = {1.0f, 128 / 255.0f, 0};
  return p;
}
}  // namespace

std::array<RgbF, 9> gStickerPalette = DefaultStickerPalette();
std::array<RgbF, 7> gTintPalette = {RgbF{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1},
                                    {1, 1, 1},     {1, 1, 1}, {0.85f, 0.85f, 0.85f}};

void SetFaceColours(const std::array<unsigned, 6>& colours) {
  for (int i = 0; i < 6; ++i) gStickerPalette[i] = FromColourRef(colours[i]);
}

}  // namespace view
