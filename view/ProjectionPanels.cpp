#include "view/ProjectionPanels.h"

#include <GL/gl.h>

#include "model/FaceVisibility.h"
#include "view/Appearance.h"
#include "view/CubeMaterials.h"
#include "view/CubieGeometry.h"
#include "view/PieceBatches.h"

namespace view {

namespace {

constexpr float kPanelDistance = 3.0f;

// The projection panel of a face is shown while the angle of a turn about
// the piece's axis lies in this window (degrees); rows ±X, ±Y, ±Z by panel
// axis, columns by turn axis.
struct AngleWindow {
  float low, high;
};
constexpr AngleWindow kPanelWindows[3][3] = {
    {{-1000, 1000}, {-90, 15}, {-15, 90}},   // ±X panels: turns about X, Y, Z
    {{-15, 90}, {-1000, 1000}, {-90, 15}},   // ±Y panels
    {{-90, 15}, {-15, 90}, {-1000, 1000}},   // ±Z panels
};

void DrawTexturedPanel(const model::WCubePiece& piece, int side, const std::array<unsigned, 7>& faceTexture) {
  const int colour = ColourBucket(piece.faceColour[side], kTileColourCount);
  glBindTexture(GL_TEXTURE_2D, faceTexture[colour]);
  const RgbF& tint = gTintPalette[colour];
  glColor3f(tint.r, tint.g, tint.b);
  const StickerQuad q = TexturedQuadOf(side, kPanelDistance);
  const int orientation = piece.stickerTurn[side] & 3;
  glBegin(GL_QUADS);
  glNormal3fv(q.normal.data());
  for (int v = 0; v < 4; ++v) {
    glTexCoord2fv(kStickerTexCoords[orientation][v]);
    glVertex3fv(q.vertex[v].data());
  }
  glEnd();
}

void DrawFlatPanel(const model::WCubePiece& piece, int side) {
  const RgbF& c = gStickerPalette[ColourBucket(piece.faceColour[side], kFlatColourCount)];
  glColor3f(c.r, c.g, c.b);
  const StickerQuad q = StickerQuadOf(side, kPanelDistance);
  glBegin(GL_QUADS);
  glNormal3fv(q.normal.data());
  for (int v = 0; v < 4; ++v) glVertex3fv(q.vertex[v].data());
  glEnd();
}

// The panels of one piece, in its own frame, in the order Y, Z, X.
void DrawPiecePanels(const model::WCubePiece& piece, const model::Vec3f& centre,
                     const std::array<unsigned, 7>& faceTexture, bool textured) {
  const auto& vis = model::gFaceVisibility.visible;
  const float at[3] = {centre.x, centre.y, centre.z};
  static constexpr int kAxisOrder[3] = {1, 2, 0};
  for (int axis : kAxisOrder) {
    if (piece.inTurn) {
      const AngleWindow w = kPanelWindows[axis][TurnAxisOf(piece)];
      if (piece.turnAngle < w.low || piece.turnAngle > w.high) continue;
    }
    const bool positiveShown = vis[2 * axis];
    const bool upperPanel = textured ? vis[2 * axis + 1] : !positiveShown;
    int side = -1;
    if (at[axis] == -1 && positiveShown) side = 2 * axis + 1;  // the hidden negative face
    if (at[axis] == 1 && upperPanel) side = 2 * axis;          // the hidden positive face
    if (side < 0) continue;
    if (textured)
      DrawTexturedPanel(piece, side, faceTexture);
    else
      DrawFlatPanel(piece, side);
  }
}

}  // namespace

void DrawProjectionPanels(const model::WCube& cube, const std::array<unsigned, 7>& faceTexture,
                          bool textured) {
  // Textured panels are lit tiles with the stickers' material, flat ones unlit colours.
  if (textured) {
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kStickerSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, kStickerShininess);
  } else {
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
  }
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  const int n = cube.Order();
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < n; ++k) {
        const model::WCubePiece* piece = cube.Piece(i, j, k);
        if (!piece) continue;
        const model::Vec3f centre = cube.SlotCentre(i, j, k);
        glPushMatrix();
        if (piece->turnAngle != 0)
          glRotatef(piece->turnAngle, piece->turnAxis.x, piece->turnAxis.y, piece->turnAxis.z);
        glTranslatef(centre.x, centre.y, centre.z);
        DrawPiecePanels(*piece, centre, faceTexture, textured);
        glPopMatrix();
      }
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
}

}  // namespace view
