#include "view/TileTextures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QFont>
#include <QPainter>

#include "model/viewmath/Background.h"
#include "view/Appearance.h"

namespace view {

namespace {

using viewmath::kTileSize;

// The classic button highlight and shadow colours used for embossed glyphs.
const QColor kHighlight(255, 255, 255);
const QColor kShadow(160, 160, 160);
const QColor kDigitGrey(192, 192, 192);

QImage ImageOfTile(const viewmath::Tile& tile) {
  QImage image(kTileSize, kTileSize, QImage::Format_RGB32);
  for (int y = 0; y < kTileSize; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kTileSize; ++x) {
      const viewmath::Rgb& p = tile[y * kTileSize + x];
      row[x] = qRgb(p.r, p.g, p.b);
    }
  }
  return image;
}

QColor ToQColor(viewmath::Rgb c) { return QColor(c.r, c.g, c.b); }

// Uploads an image bottom row first, as RGB bytes with 1-byte row alignment.
void Upload(const QImage& image, bool mipmaps) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888).mirrored(false, true);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  std::vector<unsigned char> packed(std::size_t(rgb.width()) * rgb.height() * 3);
  for (int y = 0; y < rgb.height(); ++y)
    std::copy_n(rgb.constScanLine(y), rgb.width() * 3, packed.begin() + std::size_t(y) * rgb.width() * 3);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  if (mipmaps) {
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, rgb.width(), rgb.height(), GL_RGB, GL_UNSIGNED_BYTE,
                      packed.data());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  } else {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, rgb.width(), rgb.height(), 0, GL_RGB, GL_UNSIGNED_BYTE,
                 packed.data());
  }
}

unsigned NewTexture(unsigned& slot) {
  if (slot) glDeleteTextures(1, &slot);
  glGenTextures(1, &slot);
  glBindTexture(GL_TEXTURE_2D, slot);
  return slot;
}

}  // namespace

QImage GlyphTileImage(const viewmath::TileRecipe& recipe, viewmath::Rgb colour, const QString& glyph) {
  QImage image = ImageOfTile(viewmath::TileBackground(recipe, colour));
  if (image.isNull()) return image;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font("Arial");
  font.setPixelSize(24);
  font.setWeight(QFont::Bold);
  painter.setFont(font);
  const QString first = glyph.isEmpty() ? QString() : QString(glyph.at(0).isHighSurrogate() ? glyph.left(2) : glyph.left(1));
  auto centred = [&](QRect rect, QColor c) {
    painter.setPen(c);
    painter.drawText(rect, Qt::AlignCenter, first);
  };
  auto at = [&](int x, int y, QColor c) {
    painter.setPen(c);
    painter.drawText(QRect(x, y, kTileSize, kTileSize), Qt::AlignLeft | Qt::AlignTop, first);
  };
  switch (recipe.placement) {
    case viewmath::GlyphPlacement::DigitCentred:
      centred(QRect(2, 2, 30, 30), kDigitGrey);
      centred(QRect(0, 0, 32, 32), ToQColor(viewmath::ShadeOf(colour)));
      break;
    case viewmath::GlyphPlacement::LetterOffset:
      at(7, 2, kHighlight);
      at(8, 3, kShadow);
      break;
    case viewmath::GlyphPlacement::Embossed:
      centred(QRect(2, 2, 30, 30), kHighlight);
      centred(QRect(0, 0, 32, 32), kShadow);
      break;
  }
  return image;
}

bool GlyphTile(unsigned& slot, const viewmath::TileRecipe& recipe, viewmath::Rgb colour,
               const QString& glyph) {
  const QImage image = GlyphTileImage(recipe, colour, glyph);
  if (image.isNull()) return false;
  NewTexture(slot);
  Upload(image, false);
  return true;
}

void BuildThemeTiles(std::array<unsigned, 7>& faceTexture, int theme, int style) {
  static constexpr int kBuildOrder[6] = {5, 1, 2, 3, 4, 0};  // D F R B L U
  viewmath::FacePalette user;
  for (int i = 0; i < 6; ++i) {
    const RgbF& c = gStickerPalette[i];
    user[i] = {int(c.r * 255 + 0.5f), int(c.g * 255 + 0.5f), int(c.b * 255 + 0.5f)};
  }
  const viewmath::ThemeSpec& spec = viewmath::Theme(theme);
  for (int face : kBuildOrder) {
    const char* glyph = spec.glyphs[face];
    GlyphTile(faceTexture[face], viewmath::RecipeFor(theme, style, glyph),
              viewmath::ThemeFaceColour(theme, face, user), QString::fromUtf8(glyph));
  }
}

void BuildInnerTile(std::array<unsigned, 7>& faceTexture) {
  QImage grey(kTileSize, kTileSize, QImage::Format_RGB32);
  grey.fill(QColor(192, 192, 192));
  NewTexture(faceTexture[6]);
  Upload(grey, false);
}

bool PictureTexture(const QImage& picture, BackgroundPicture& into) {
  if (picture.isNull()) return false;
  GLint maxSize = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
  if (maxSize <= 0) maxSize = 1024;
  const int w = viewmath::PowerOfTwoSide(picture.width(), maxSize);
  const int h = viewmath::PowerOfTwoSide(picture.height(), maxSize);
  NewTexture(into.texture);
  Upload(picture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), false);
  into.width = w;
  into.height = h;
  return true;
}

bool BitmapTexture(const QImage& picture, BackgroundPicture& into) {
  if (picture.isNull()) return false;
  NewTexture(into.texture);
  Upload(picture, true);
  into.width = picture.width();
  into.height = picture.height();
  return true;
}

}  // namespace view
