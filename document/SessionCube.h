#pragma once
// Between a running session (the cube and the camera) and the session file's value.
#include <array>
#include <cstdint>

#include "document/SessionFile.h"
#include "model/WCube.h"

namespace session {

// The part of the 3D view's camera that a session keeps.
struct CameraState {
  float zoom = 1.0f;
  std::array<float, 16> trackball = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  std::int32_t moveCounter = 0;  // the trackball's move counter, 0..99
};

SessionData CaptureSession(const model::WCube& cube, const CameraState& camera);

// Puts a checked session in place: the camera values, the order (rebuilding the
// cube when it changes), every cubie and the history. Returns true when the order
// changed, so that the caller applies the new order's camera preset.
bool RestoreSession(const SessionData& data, model::WCube& cube, CameraState& camera);

}  // namespace session
