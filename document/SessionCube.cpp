#include "document/SessionCube.h"

namespace session {

SessionData CaptureSession(const model::WCube& cube, const CameraState& camera) {
  SessionData d;
  d.zoom = camera.zoom;
  d.trackball = camera.trackball;
  d.moveCounter = camera.moveCounter;
  d.order = cube.Order();
  const int n = cube.Order();
  d.cubies.reserve(static_cast<size_t>(n) * n * n);
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y)
      for (int z = 0; z < n; ++z) {
        const model::WCubePiece* piece = cube.Piece(x, y, z);
        d.cubies.push_back({piece->faceColour, piece->homeCentre, piece->stickerTurn});
      }
  for (const auto& t : cube.history) d.history.push_back({t.axis, t.layer, t.dir});
  return d;
}

bool RestoreSession(const SessionData& data, model::WCube& cube, CameraState& camera) {
  camera.zoom = data.zoom;
  camera.trackball = data.trackball;
  camera.moveCounter = data.moveCounter;
  const bool orderChanged = data.order != cube.Order();
  if (orderChanged) cube.Init(data.order);
  const int n = cube.Order();
  size_t i = 0;
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y)
      for (int z = 0; z < n; ++z) {
        model::WCubePiece* piece = cube.Piece(x, y, z);
        const CubieRecord& c = data.cubies[i++];
        piece->faceColour = c.faceColour;
        piece->homeCentre = c.homeCentre;
        piece->stickerTurn = c.stickerTurn;
      }
  cube.ClearHistory();
  for (const auto& t : data.history) cube.history.push_back({t.axis, t.layer, t.dir});
  return orderChanged;
}

}  // namespace session
