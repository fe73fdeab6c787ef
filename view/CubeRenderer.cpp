#include "view/CubeRenderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <numbers>

#include "model/FaceVisibility.h"
#include "model/viewmath/Background.h"
#include "view/Appearance.h"
#include "view/CubieGeometry.h"

namespace view {

namespace {

constexpr GLfloat kStickerSpecular[4] = {0.15f, 0.15f, 0.15f, 1.0f};
constexpr GLfloat kStickerShininess = 2.0f;
constexpr GLfloat kBodyAmbientDiffuse[4] = {0.5f, 0.5f, 0.5f, 1.0f};
constexpr GLfloat kBodySpecular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat kBodyShininess = 115.0f;
constexpr GLfloat kBodyGrey = 0.45f;

// Texture coordinates of the four quad vertices per sticker orientation 0..3.
constexpr GLfloat kTexCoords[4][4][2] = {
    {{1, 1}, {0, 1}, {0, 0}, {1, 0}},
    {{0, 1}, {0, 0}, {1, 0}, {1, 1}},
    {{0, 0}, {1, 0}, {1, 1}, {0, 1}},
    {{1, 0}, {1, 1}, {0, 1}, {0, 0}},
};

int ColourIndex(int colour, int count) { return colour >= 0 && colour < count ? colour : 6; }

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

int TurnAxisOf(const model::WCubePiece& p) {
  if (p.turnAxis.x != 0) return 0;
  if (p.turnAxis.y != 0) return 1;
  return 2;
}

}  // namespace

void CubeRenderer::Initialise() {
  glShadeModel(GL_SMOOTH);
  glEnable(GL_DEPTH_TEST);
  glClearDepth(1.0);
  glEnable(GL_LINE_SMOOTH);
  glLineWidth(2.0f);
  glClearColor(0, 0, 0, 1);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glEnable(GL_COLOR_MATERIAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const GLfloat ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {0.75f, 0.75f, 0.75f, 1},
                specular[4] = {0.35f, 0.35f, 0.35f, 1};
  const GLfloat position0[4] = {0, 30, 160, 1}, position1[4] = {0, -30, 160, 1};
  for (GLenum light : {GL_LIGHT0, GL_LIGHT1}) {
    glLightfv(light, GL_AMBIENT, ambient);
    glLightfv(light, GL_DIFFUSE, diffuse);
    glLightfv(light, GL_SPECULAR, specular);
  }
  glLightfv(GL_LIGHT0, GL_POSITION, position0);
  glLightfv(GL_LIGHT1, GL_POSITION, position1);
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_ALPHA_TEST);
  if (gAppearance.sunlight) glEnable(GL_LIGHT1);

  BuildBodyList();
  BuildStickerLists();
}

void CubeRenderer::Release() {
  if (bodyList_) glDeleteLists(bodyList_, 13);
  bodyList_ = stickerList_ = projectionList_ = 0;
  for (unsigned& t : faceTexture)
    if (t) {
      glDeleteTextures(1, &t);
      t = 0;
    }
  if (background.texture) glDeleteTextures(1, &background.texture);
  background = {};
}

void CubeRenderer::ApplySunlight(bool on) {
  // The second light and lighting go on and off together.
  if (on) {
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
  } else {
    glDisable(GL_LIGHT1);
    glDisable(GL_LIGHTING);
  }
}

void CubeRenderer::BuildBodyList() {
  bodyList_ = glGenLists(13);
  stickerList_ = bodyList_ + 1;
  projectionList_ = bodyList_ + 7;
  glNewList(bodyList_, GL_COMPILE);
  glColor3f(kBodyGrey, kBodyGrey, kBodyGrey);
  glBegin(GL_QUADS);
  for (const BodyQuad& q : BodyQuads())
    for (int v = 0; v < 4; ++v) {
      glNormal3fv(q.normal[v].data());
      glVertex3fv(q.vertex[v].data());
    }
  glEnd();
  glEndList();
}

void CubeRenderer::BuildStickerLists() {
  for (int side = 0; side < 6; ++side) {
    for (int projected = 0; projected < 2; ++projected) {
      glNewList((projected ? projectionList_ : stickerList_) + side, GL_COMPILE);
      const StickerQuad q = StickerQuadOf(side, projected ? 3.0f : 0.5f);
      glBegin(GL_QUADS);
      glNormal3fv(q.normal.data());
      for (int v = 0; v < 4; ++v) glVertex3fv(q.vertex[v].data());
      glEnd();
      glEndList();
    }
  }
}

void CubeRenderer::DrawFrame(const model::WCube& cube, const viewmath::Mat4& modelView,
                             const viewmath::OrthoVolume& volume) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_TEXTURE_GEN_S);
  glDisable(GL_TEXTURE_GEN_T);
  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
  glEnable(GL_DEPTH_TEST);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  if (gAppearance.background && background.texture) DrawBackground(volume);

  glPushMatrix();
  glLoadMatrixd(modelView.data());
  const int n = cube.Order();
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < n; ++k) {
        const bool surface = i == 0 || j == 0 || k == 0 || i == n - 1 || j == n - 1 || k == n - 1;
        if (!surface) continue;
        const model::WCubePiece* piece = cube.Piece(i, j, k);
        if (!piece) continue;
        const model::Vec3f c = cube.SlotCentre(i, j, k);
        const float centre[3] = {c.x, c.y, c.z};
        DrawPiece(*piece, centre, n);
      }
  glPopMatrix();
}

void CubeRenderer::DrawBackground(const viewmath::OrthoVolume& volume) {
  // Drawn lit in the body's grey, as every frame after the first has always
  // looked: the picture appears darkened behind the cube.
  glEnable(GL_LIGHTING);
  glColor3f(kBodyGrey, kBodyGrey, kBodyGrey);
  glBindTexture(GL_TEXTURE_2D, background.texture);
  glEnable(GL_TEXTURE_2D);
  glPushMatrix();
  glTranslatef(0, 0, -1442);
  const viewmath::QuadHalfSize q =
      viewmath::BackgroundQuad(volume.Width(), volume.Height(), background.width, background.height);
  const float a = float(q.a), b = float(q.b);
  glBegin(GL_QUADS);
  glNormal3f(0, 0, 1);
  glTexCoord2f(0, 0);
  glVertex3f(-a, -b, 20);
  glTexCoord2f(1, 0);
  glVertex3f(a, -b, 20);
  glTexCoord2f(1, 1);
  glVertex3f(a, b, 20);
  glTexCoord2f(0, 1);
  glVertex3f(-a, b, 20);
  glEnd();
  glPopMatrix();
}

std::array<bool, 6> CubeRenderer::SidesToDraw(const model::WCubePiece& piece, bool textured) const {
  const auto& vis = model::gFaceVisibility.visible;
  std::array<bool, 6> draw{};
  if (!piece.inTurn) {
    for (int axis = 0; axis < 3; ++axis) draw[2 * axis + (vis[2 * axis] ? 0 : 1)] = true;
    return draw;
  }
  draw.fill(true);
  if (textured) {
    // Of the two sides on the turn axis, only the one on the visible side.
    const int axis = TurnAxisOf(piece);
    if (vis[2 * axis + 1]) draw[2 * axis] = false;
    if (vis[2 * axis]) draw[2 * axis + 1] = false;
  }
  return draw;
}

void CubeRenderer::DrawPiece(const model::WCubePiece& piece, const float centre[3], int order) {
  glPushMatrix();
  if (piece.turnAngle != 0)
    glRotatef(piece.turnAngle, piece.turnAxis.x, piece.turnAxis.y, piece.turnAxis.z);
  glTranslatef(centre[0], centre[1], centre[2]);
  if (gAppearance.textured)
    DrawTexturedPiece(piece, centre, order);
  else
    DrawFlatPiece(piece, centre, order);
  glPopMatrix();
}

void CubeRenderer::SetBodyMaterial() {
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, kBodyAmbientDiffuse);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kBodySpecular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, kBodyShininess);
}

void CubeRenderer::DrawFlatPiece(const model::WCubePiece& piece, const float centre[3], int order) {
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  const std::array<bool, 6> draw = SidesToDraw(piece, false);
  for (int side = 0; side < 6; ++side) {
    if (!draw[side]) continue;
    const RgbF& c = gStickerPalette[ColourIndex(piece.faceColour[side], 9)];
    glColor3f(c.r, c.g, c.b);
    glCallList(stickerList_ + side);
  }
  if (gAppearance.projection && order == 3) DrawProjection(piece, centre, false);
  glEnable(GL_LIGHTING);
  SetBodyMaterial();
  glCallList(bodyList_);
}

void CubeRenderer::DrawTexturedQuad(const model::WCubePiece& piece, int side, float distance) {
  const int colour = ColourIndex(piece.faceColour[side], 7);
  glBindTexture(GL_TEXTURE_2D, faceTexture[colour]);
  const RgbF& tint = gTintPalette[colour];
  glColor3f(tint.r, tint.g, tint.b);
  const StickerQuad q = TexturedQuadOf(side, distance);
  const int orientation = piece.stickerTurn[side] & 3;
  glBegin(GL_QUADS);
  glNormal3fv(q.normal.data());
  for (int v = 0; v < 4; ++v) {
    glTexCoord2fv(kTexCoords[orientation][v]);
    glVertex3fv(q.vertex[v].data());
  }
  glEnd();
}

void CubeRenderer::DrawTexturedPiece(const model::WCubePiece& piece, const float centre[3], int order) {
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kStickerSpecular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, kStickerShininess);
  const std::array<bool, 6> draw = SidesToDraw(piece, true);
  for (int side = 0; side < 6; ++side)
    if (draw[side]) DrawTexturedQuad(piece, side, 0.5f);
  if (gAppearance.projection && order == 3) DrawProjection(piece, centre, true);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
  SetBodyMaterial();
  glCallList(bodyList_);
}

void CubeRenderer::DrawProjection(const model::WCubePiece& piece, const float centre[3],
                                  bool textured) {
  const auto& vis = model::gFaceVisibility.visible;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glColor4f(1, 1, 1, 1);
  static constexpr int kAxisOrder[3] = {1, 2, 0};  // Y, Z, X
  for (int axis : kAxisOrder) {
    if (piece.inTurn) {
      const AngleWindow w = kPanelWindows[axis][TurnAxisOf(piece)];
      if (piece.turnAngle < w.low || piece.turnAngle > w.high) continue;
    }
    const bool positiveShown = vis[2 * axis];
    const bool upperPanel = textured ? vis[2 * axis + 1] : !positiveShown;
    int side = -1;
    if (centre[axis] == -1 && positiveShown) side = 2 * axis + 1;  // the hidden negative face
    if (centre[axis] == 1 && upperPanel) side = 2 * axis;          // the hidden positive face
    if (side < 0) continue;
    if (textured) {
      DrawTexturedQuad(piece, side, 3.0f);
    } else {
      const RgbF& c = gStickerPalette[ColourIndex(piece.faceColour[side], 9)];
      glColor3f(c.r, c.g, c.b);
      glCallList(projectionList_ + side);
    }
  }
  glDisable(GL_BLEND);
}

}  // namespace view
