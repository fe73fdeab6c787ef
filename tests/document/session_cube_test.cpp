#include <gtest/gtest.h>

#include "document/SessionCube.h"
#include "model/MoveNotation.h"

namespace {

TEST(SessionCube, StartUpCubeGivesTheDocumentedFile) {
  model::WCube cube;  // order 3, solved, no history
  const auto bytes = session::WriteSession(session::CaptureSession(cube, {}));
  EXPECT_EQ(bytes.size(), 1752u);
}

TEST(SessionCube, RoundTripRestoresCubeHistoryAndCameraForEveryOrder) {
  for (int order = 2; order <= 7; ++order) {
    model::WCube cube;
    cube.Init(order);
    model::ApplySequence(cube, "R U' F2 x L D B'", 0, 1, 0);
    session::CameraState camera;
    camera.zoom = 0.8f;
    camera.trackball[1] = 0.5f;
    camera.moveCounter = 12;
    session::SessionData read;
    ASSERT_EQ(session::ParseSession(session::WriteSession(session::CaptureSession(cube, camera)), read),
              session::ParseResult::Loaded);

    model::WCube loaded;  // order 3
    session::CameraState loadedCamera;
    EXPECT_EQ(session::RestoreSession(read, loaded, loadedCamera), order != 3);
    EXPECT_EQ(loaded.Order(), order);
    EXPECT_EQ(loaded.ExportColours(), cube.ExportColours());
    EXPECT_EQ(loaded.ExportStickerTurns(), cube.ExportStickerTurns());
    EXPECT_EQ(loaded.history, cube.history);
    EXPECT_EQ(loadedCamera.zoom, 0.8f);
    EXPECT_EQ(loadedCamera.trackball, camera.trackball);
    EXPECT_EQ(loadedCamera.moveCounter, 12);
  }
}

TEST(SessionCube, UndoAfterLoadingReversesTheSavedTurn) {
  model::WCube cube;
  model::ApplySequence(cube, "R", 0, 1, 0);
  ASSERT_EQ(cube.MoveCount(), 1);
  session::SessionData read;
  ASSERT_EQ(session::ParseSession(session::WriteSession(session::CaptureSession(cube, {})), read),
            session::ParseResult::Loaded);
  model::WCube loaded;
  session::CameraState camera;
  session::RestoreSession(read, loaded, camera);
  EXPECT_EQ(loaded.MoveCount(), 1);
  loaded.UndoLast();
  EXPECT_EQ(loaded.MoveCount(), 0);
  EXPECT_EQ(loaded.ExportColours(), model::WCube().ExportColours());
}

// Turns undone before a document is loaded belong to the cube that was there:
// after the load there is nothing to redo, whatever the order.
TEST(SessionCube, LoadingForgetsWhatCouldBeRedone) {
  for (const int order : {3, 5}) {
    model::WCube saved;
    saved.Init(order);
    model::ApplySequence(saved, "U", 0, 1, 0);
    session::SessionData read;
    ASSERT_EQ(session::ParseSession(session::WriteSession(session::CaptureSession(saved, {})), read),
              session::ParseResult::Loaded);
    model::WCube cube;
    model::ApplySequence(cube, "R F", 0, 1, 0);
    cube.UndoLast();
    ASSERT_TRUE(cube.CanRedo());
    session::CameraState camera;
    session::RestoreSession(read, cube, camera);
    EXPECT_FALSE(cube.CanRedo()) << order;
    cube.RedoNext();
    EXPECT_EQ(cube.MoveCount(), 1);
    EXPECT_EQ(cube.ExportColours(), saved.ExportColours());
  }
}

}  // namespace
