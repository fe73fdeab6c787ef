#pragma once
// Materials of the cube's parts: shiny grey bodies and nearly matt stickers.
// The current colour sets ambient and diffuse (colour-material tracking).

namespace view {

inline constexpr float kStickerSpecular[4] = {0.15f, 0.15f, 0.15f, 1.0f};
inline constexpr float kStickerShininess = 2.0f;
inline constexpr float kBodyAmbientDiffuse[4] = {0.5f, 0.5f, 0.5f, 1.0f};
inline constexpr float kBodySpecular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
inline constexpr float kBodyShininess = 115.0f;
inline constexpr float kBodyGrey = 0.45f;

}  // namespace view
