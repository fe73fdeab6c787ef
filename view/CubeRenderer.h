#pragma once
// OpenGL 1.x fixed-function drawing of the cube: the context's fixed state and
// lights, the display lists of one cubie, and the frame (background picture,
// camera, pieces). Owns nothing but GL names of the current context; the
// caller makes the context current around every call.
#include <array>

#include "model/WCube.h"
#include "model/viewmath/ViewMath.h"

namespace view {

struct BackgroundPicture {
  unsigned texture = 0;
  int width = 0, height = 0;  // only the aspect ratio matters
};

class CubeRenderer {
 public:
  // Fixed state, lights, display lists. Needs a current context.
  void Initialise();
  // Deletes lists and textures. Needs the context current.
  void Release();

  void ApplySunlight(bool on);

  // One frame (without the buffer swap). `volume` is the orthographic volume
  // set by the last resize, `modelView` the frame's camera matrix.
  void DrawFrame(const model::WCube& cube, const viewmath::Mat4& modelView,
                 const viewmath::OrthoVolume& volume);

  // Textures of the stickers by colour index 0..6 and of the background.
  std::array<unsigned, 7> faceTexture{};
  BackgroundPicture background;

 private:
  enum Side { kPosX, kNegX, kPosY, kNegY, kPosZ, kNegZ };
  void BuildBodyList();
  void BuildStickerLists();
  void DrawBackground(const viewmath::OrthoVolume& volume);
  void DrawPiece(const model::WCubePiece& piece, const float centre[3], int order);
  void DrawFlatPiece(const model::WCubePiece& piece, const float centre[3], int order);
  void DrawTexturedPiece(const model::WCubePiece& piece, const float centre[3], int order);
  void DrawProjection(const model::WCubePiece& piece, const float centre[3], bool textured);
  void DrawTexturedQuad(const model::WCubePiece& piece, int side, float distance);
  void SetBodyMaterial();
  std::array<bool, 6> SidesToDraw(const model::WCubePiece& piece, bool textured) const;

  unsigned bodyList_ = 0;
  unsigned stickerList_ = 0;     // + side (FaceSlot order)
  unsigned projectionList_ = 0;  // + side
};

}  // namespace view
