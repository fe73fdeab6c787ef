#pragma once
// Textures of the sticker tiles and of the background picture. The tiles are
// painted on an off-screen QImage (never on the GL widget) and uploaded to
// the current context.
#include <array>

#include <QImage>
#include <QString>

#include "model/viewmath/Themes.h"
#include "view/CubeRenderer.h"

namespace view {

// The 32 × 32 tile image of one face: background by recipe, then the glyph.
QImage GlyphTileImage(const viewmath::TileRecipe& recipe, viewmath::Rgb colour, const QString& glyph);

// Renders a tile and uploads it as an RGB texture with linear filters and no
// mipmaps into `slot` (replacing what was there). False when the tile cannot be made.
bool GlyphTile(unsigned& slot, const viewmath::TileRecipe& recipe, viewmath::Rgb colour,
               const QString& glyph);

// The six face tiles of theme 1..7 with `style`, built in the order D F R B L U.
void BuildThemeTiles(std::array<unsigned, 7>& faceTexture, int theme, int style);
// The grey tile of the inner faces (slot 6).
void BuildInnerTile(std::array<unsigned, 7>& faceTexture);

// Uploads a decoded picture scaled to power-of-two sides; false (and the old
// texture kept) when the image is empty.
bool PictureTexture(const QImage& picture, BackgroundPicture& into);
// A bitmap at its own size, with mipmaps.
bool BitmapTexture(const QImage& picture, BackgroundPicture& into);

}  // namespace view
