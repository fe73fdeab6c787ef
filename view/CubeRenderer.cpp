#include "view/CubeRenderer.h"

#include <GL/gl.h>

#include "model/FaceVisibility.h"
#include "model/viewmath/Background.h"
#include "view/Appearance.h"
#include "view/CubeMaterials.h"
#include "view/FrameHeap.h"
#include "view/ProjectionPanels.h"

namespace view {

namespace {

void SetBodyMaterial() {
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, kBodyAmbientDiffuse);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kBodySpecular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, kBodyShininess);
}

// How the model-view matrix M shows the cube. The projection is
// orthographic: every line of sight runs along the eye's z axis, which in the
// cube's frame is the direction of M⁻¹·(0, 0, 1), the cross product of the
// first two rows of M over its determinant. Exact even if the trackball's
// rotation has drifted from orthogonal. A negative determinant (a session
// file may hold a mirroring matrix) flips the winding of every triangle on
// the screen.
struct ViewerSide {
  model::Vec3f toward;  // unit direction to the viewer in the cube's frame
  bool mirrored = false;
};

ViewerSide ViewerSideOf(const viewmath::Mat4& m) {
  const model::Vec3f row0{float(m[0]), float(m[4]), float(m[8])};
  const model::Vec3f row1{float(m[1]), float(m[5]), float(m[9])};
  const model::Vec3f row2{float(m[2]), float(m[6]), float(m[10])};
  model::Vec3f toward = row0.Cross(row1);
  const float determinant = toward.x * row2.x + toward.y * row2.y + toward.z * row2.z;
  if (determinant == 0) return {};  // a flat view: every cubie counts as open
  if (determinant < 0) toward = {-toward.x, -toward.y, -toward.z};
  toward.Normalise();
  return {toward, determinant < 0};
}

void DrawQuads(const std::vector<BodyVertex>& quads) {
  if (quads.empty()) return;
  glVertexPointer(3, GL_FLOAT, sizeof(BodyVertex), quads[0].position);
  glNormalPointer(GL_FLOAT, sizeof(BodyVertex), quads[0].normal);
  glDrawArrays(GL_QUADS, 0, GLsizei(quads.size()));
}

void DrawQuads(const std::vector<StickerVertex>& quads) {
  if (quads.empty()) return;
  glVertexPointer(3, GL_FLOAT, sizeof(StickerVertex), quads[0].position);
  glNormalPointer(GL_FLOAT, sizeof(StickerVertex), quads[0].normal);
  glTexCoordPointer(2, GL_FLOAT, sizeof(StickerVertex), quads[0].texCoord);
  glDrawArrays(GL_QUADS, 0, GLsizei(quads.size()));
}

}  // namespace

void CubeRenderer::Initialise() {
  KeepFreedHeapForFrames();
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
}

void CubeRenderer::Release() {
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
  const ViewerSide viewer = ViewerSideOf(modelView);
  batches_.Build(cube, model::gFaceVisibility.visible, gAppearance.textured, viewer.toward);
  glFrontFace(viewer.mirrored ? GL_CW : GL_CCW);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  for (const PieceGroup& group : batches_.Groups()) {
    glPushMatrix();
    if (group.angle != 0) glRotatef(group.angle, group.axis.x, group.axis.y, group.axis.z);
    // Stickers first: where a sticker's rim and its body meet at one depth,
    // the sticker keeps the pixel.
    if (gAppearance.textured)
      DrawTexturedStickers(group);
    else
      DrawFlatStickers(group);
    DrawBodies(group);
    glPopMatrix();
  }
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  glFrontFace(GL_CCW);
  // The translucent panels go over the finished cube.
  if (gAppearance.projection && cube.Order() == 3)
    DrawProjectionPanels(cube, faceTexture, gAppearance.textured);
  glPopMatrix();
}

void CubeRenderer::DrawBackground(const viewmath::OrthoVolume& volume) {
  // Drawn lit in the body's grey and material, as every frame after the
  // first has always looked: the picture appears darkened behind the cube.
  glEnable(GL_LIGHTING);
  SetBodyMaterial();
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

void CubeRenderer::DrawBodies(const PieceGroup& group) {
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_LIGHTING);
  SetBodyMaterial();
  glColor3f(kBodyGrey, kBodyGrey, kBodyGrey);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  DrawQuads(group.closedBodies);
  glDisable(GL_CULL_FACE);
  DrawQuads(group.openBodies);
}

void CubeRenderer::DrawFlatStickers(const PieceGroup& group) {
  // Flat stickers are unlit colours.
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  for (int colour = 0; colour < kFlatColourCount; ++colour) {
    if (group.stickers[colour].empty()) continue;
    const RgbF& c = gStickerPalette[colour];
    glColor3f(c.r, c.g, c.b);
    DrawQuads(group.stickers[colour]);
  }
  glEnable(GL_LIGHTING);
}

void CubeRenderer::DrawTexturedStickers(const PieceGroup& group) {
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kStickerSpecular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, kStickerShininess);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  for (int colour = 0; colour < kTileColourCount; ++colour) {
    if (group.stickers[colour].empty()) continue;
    glBindTexture(GL_TEXTURE_2D, faceTexture[colour]);
    const RgbF& tint = gTintPalette[colour];
    glColor3f(tint.r, tint.g, tint.b);
    DrawQuads(group.stickers[colour]);
  }
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisable(GL_TEXTURE_2D);
}

}  // namespace view
