#include <gtest/gtest.h>

#include <random>

#include "RecordingPresenter.h"
#include "model/MoveNotation.h"

namespace {

using model::WCube;

std::string State(const WCube& cube) { return cube.ExportColours() + "/" + cube.ExportStickerTurns(); }

bool FacesUniform(const std::string& colours, int order) {
  const int area = order * order;
  for (int face = 0; face < 6; ++face) {
    for (int i = 1; i < area; ++i) {
      if (colours[face * area + i] != colours[face * area]) return false;
    }
  }
  return true;
}

TEST(Turns, FourEqualQuarterTurnsRestoreEverything) {
  for (int order = 2; order <= 7; ++order) {
    WCube cube;
    cube.Init(order);
    model::ApplySequence(cube, "R U' F2 D B L'", 0, 0, 0);  // stickers turned away from 0 first
    const std::string start = State(cube);
    for (int axis = 0; axis < 3; ++axis)
      for (int layer = 0; layer < order; ++layer)
        for (int dir = 0; dir < 2; ++dir) {
          for (int i = 0; i < 4; ++i) cube.TurnLayer(axis, layer, dir, 0, 1, 0);
          ASSERT_EQ(State(cube), start) << order << " " << axis << " " << layer << " " << dir;
        }
    EXPECT_EQ(cube.MoveCount(), 4 * 3 * order * 2);
  }
}

TEST(Turns, WholeCubeRotationAboutYMovesFrontToLeft) {
  for (int order = 2; order <= 7; ++order) {
    WCube cube;
    cube.Init(order);
    cube.TurnLast(1, order, 0, 1, 1);
    const std::string colours = cube.ExportColours();
    const int area = order * order;
    EXPECT_TRUE(FacesUniform(colours, order));
    EXPECT_EQ(colours[4 * area], '1') << order;  // L shows the F colour
    EXPECT_EQ(colours[0], '0');
    EXPECT_EQ(cube.MoveCount(), 0);
  }
}

TEST(Turns, TurnBothTurnsTheOuterLayersTogether) {
  WCube both;
  both.TurnBoth(2, 1, 0, 0, 0);
  WCube separately;
  separately.TurnLayer(2, 0, 0, 0, 0, 0);
  separately.TurnLayer(2, 2, 0, 0, 0, 0);
  EXPECT_EQ(State(both), State(separately));
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 3; ++y) {
      const auto centre = both.SlotCentre(x, y, 1);
      EXPECT_EQ(both.Piece(x, y, 1)->homeCentre, (std::array<float, 3>{centre.x, centre.y, centre.z}));
    }
}

TEST(Turns, MultiLayerTurnsNeverRecord) {
  WCube cube;
  cube.Init(5);
  cube.TurnFirst(0, 2, 1, 1, 1);
  cube.TurnLast(1, 3, 0, 1, 1);
  cube.TurnRange(2, 1, 1, 0, 1, 1);  // one layer, but not as a single-layer turn
  cube.TurnBoth(0, 2, 0, 1, 1);
  for (const char* token : {"TR", "SR", "WR", "VR", "x", "T3F2"}) model::ApplyCommand(cube, token, 1, 1, 1);
  EXPECT_EQ(cube.MoveCount(), 0);
}

TEST(Turns, ArgumentsOutsideTheCubeChangeNothing) {
  WCube cube;
  const std::string start = State(cube);
  cube.TurnLayer(3, 1, 0, 1, 1, 1);
  cube.TurnLayer(-1, 1, 0, 1, 1, 1);
  cube.TurnLayer(0, 3, 0, 1, 1, 1);
  cube.TurnLayer(0, -1, 0, 1, 1, 1);
  cube.TurnFirst(0, 0, 0, 1, 1);
  cube.TurnRange(1, 5, 2, 0, 1, 1);
  cube.TurnRange(1, -3, 2, 0, 1, 1);
  EXPECT_EQ(State(cube), start);
  EXPECT_EQ(cube.MoveCount(), 0);
  // Counts beyond the cube turn the layers that exist.
  cube.TurnLast(0, 9, 0, 0, 0);
  WCube rotated;
  model::ApplyCommand(rotated, "x", 0, 0, 0);
  EXPECT_EQ(State(cube), State(rotated));
}

TEST(Undo, EmptyHistoryChangesNothing) {
  WCube cube;
  RecordingPresenter presenter;
  cube.SetPresenter(&presenter);
  cube.UndoLast();
  EXPECT_EQ(State(cube), State(WCube()));
  EXPECT_TRUE(presenter.sounds.empty());
  EXPECT_TRUE(presenter.animations.empty());
}

TEST(Undo, UndoingEveryRecordedTurnSolvesTheCube) {
  std::mt19937 random(3);
  for (int order = 2; order <= 7; ++order) {
    WCube cube;
    cube.Init(order);
    const std::string solved = State(cube);
    for (int i = 0; i < 30; ++i) {
      cube.TurnLayer(static_cast<int>(random() % 3), static_cast<int>(random() % order),
                     static_cast<int>(random() % 2), 0, 1, 0);
    }
    ASSERT_EQ(cube.MoveCount(), 30);
    while (cube.MoveCount() > 0) cube.UndoLast();
    EXPECT_EQ(State(cube), solved) << order;
  }
}

TEST(Undo, ReversesWithAnimationAndSoundWithoutRecording) {
  WCube cube;
  RecordingPresenter presenter;
  cube.SetPresenter(&presenter);
  cube.TurnLayer(0, 2, 0, 0, 1, 0);  // R, quietly
  cube.UndoLast();
  EXPECT_EQ(cube.MoveCount(), 0);
  EXPECT_EQ(State(cube), State(WCube()));
  EXPECT_EQ(presenter.sounds, std::vector<int>{0});
  ASSERT_EQ(presenter.animations.size(), 1u);
  EXPECT_EQ(presenter.animations[0].angle, 90.0f);
  EXPECT_EQ(presenter.animations[0].pieces, 9);
}

TEST(Presenter, FlagsReachEveryQuarterTurn) {
  struct Case {
    int order;
    const char* token;
    int animate, record, sound;
    std::vector<int> sounds;
    std::vector<float> angles;
    int piecesPerTurn;
    int moves;
  };
  const Case cases[] = {
      {3, "R2", 1, 1, 1, {0, 0}, {-90, -90}, 9, 2},
      {3, "R2", 1, 1, 2, {}, {-90, -90}, 9, 2},  // sound only when exactly 1
      {3, "U'", 0, 0, 1, {1}, {}, 0, 0},
      {5, "TR", 1, 1, 1, {0}, {-90}, 50, 0},     // two layers animate together
      {4, "x'", 1, 1, 1, {0}, {90}, 64, 0},
      {4, "SF2", 1, 0, 1, {2, 2}, {-90, -90}, 32, 0},
      // Half turns that run the other way round.
      {3, "CD2", 1, 1, 1, {1, 1}, {-90, -90}, 27, 0},
      {5, "MD2", 1, 1, 1, {1, 1}, {-90, -90}, 25, 2},
      {4, "MD2", 1, 1, 1, {1, 1}, {90, 90}, 16, 2},
      {7, "MU2", 1, 1, 1, {1, 1}, {90, 90}, 49, 2},
      {7, "S3U2", 1, 1, 1, {1, 1}, {90, 90}, 6 * 49, 0},
      {7, "V4F2", 1, 1, 1, {2, 2}, {90, 90}, 4 * 49, 0},
      {3, "nothing", 1, 1, 1, {}, {}, 0, 0},
  };
  for (const auto& c : cases) {
    WCube cube;
    cube.Init(c.order);
    RecordingPresenter presenter;
    cube.SetPresenter(&presenter);
    const std::string before = cube.ExportColours();
    model::ApplyCommand(cube, c.token, c.animate, c.record, c.sound);
    EXPECT_EQ(presenter.sounds, c.sounds) << c.token;
    std::vector<float> angles;
    for (const auto& a : presenter.animations) {
      angles.push_back(a.angle);
      EXPECT_EQ(a.pieces, c.piecesPerTurn) << c.token;
    }
    EXPECT_EQ(angles, c.angles) << c.token;
    // The first animation starts before anything has moved.
    if (!presenter.animations.empty()) {
      EXPECT_EQ(presenter.animations[0].coloursAtStart, before) << c.token;
    }
    EXPECT_EQ(cube.MoveCount(), c.moves) << c.token;
  }
}

TEST(Presenter, AxisOfTheAnimation) {
  const std::pair<const char*, model::Vec3f> cases[] = {
      {"L", {1, 0, 0}}, {"D", {0, 1, 0}}, {"B", {0, 0, 1}}};
  for (const auto& [token, axis] : cases) {
    WCube cube;
    RecordingPresenter presenter;
    cube.SetPresenter(&presenter);
    model::ApplyCommand(cube, token, 1, 0, 0);
    ASSERT_EQ(presenter.animations.size(), 1u);
    EXPECT_EQ(presenter.animations[0].axis, axis) << token;
    EXPECT_EQ(presenter.animations[0].angle, 90.0f) << token;  // clockwise on L, D, B is +90°
  }
}

TEST(CubeCopy, CopyIsIndependentAndHasNoPresenter) {
  WCube cube;
  RecordingPresenter presenter;
  cube.SetPresenter(&presenter);
  model::ApplySequence(cube, "R U", 0, 1, 0);
  WCube copy = cube;
  EXPECT_EQ(copy.Presenter(), nullptr);
  EXPECT_EQ(State(copy), State(cube));
  EXPECT_EQ(copy.MoveCount(), 2);
  model::ApplyCommand(copy, "F", 0, 1, 0);
  EXPECT_NE(State(copy), State(cube));
  copy = cube;
  EXPECT_EQ(State(copy), State(cube));
}

TEST(Vec3f, TrackballArithmetic) {
  const model::Vec3f x{1, 0, 0}, y{0, 1, 0};
  EXPECT_EQ(x.Cross(y), (model::Vec3f{0, 0, 1}));
  EXPECT_EQ(y.Cross(x), (model::Vec3f{0, 0, -1}));
  EXPECT_EQ((model::Vec3f{3, 4, 0}).Length(), 5.0f);
  model::Vec3f v{0, 3, 4};
  v.Normalise();
  EXPECT_FLOAT_EQ(v.y, 0.6f);
  EXPECT_FLOAT_EQ(v.z, 0.8f);
  model::Vec3f zero;
  zero.Normalise();
  EXPECT_EQ(zero, model::Vec3f{});
  EXPECT_EQ((model::Vec3f{1, 2, 3}).Difference({1, 1, 1}), (model::Vec3f{0, 1, 2}));
}

TEST(FaceVisibility, InitResetsToTheHomeView) {
  model::gFaceVisibility.visible = {false, true, false, true, false, true};
  WCube cube;
  cube.Init(5);
  EXPECT_EQ(model::gFaceVisibility.visible, (std::array<bool, 6>{true, false, true, false, true, false}));
}


// Undo and redo against an independent oracle: the states after every recorded
// turn form a timeline with a cursor; undo moves the cursor back, redo forward,
// and anything else that changes the cube cuts the timeline at the cursor.
TEST(Redo, FollowsTheTimelineOfRecordedTurns) {
  struct Case {
    const char* steps;  // T turn, U undo, R redo, N new game, I import colours, X whole-cube turn
    int order;
  };
  const Case cases[] = {
      {"TTTUUURRR", 3}, {"TTUTR", 3},   {"TTUURUR", 4},   {"UR", 2},         {"TTUUNRR", 3},
      {"TTUIR", 3},     {"TTUXR", 5},   {"TUUURRRT", 7},  {"TTTUURTUR", 2},  {"TTTUUUTTRR", 6},
  };
  std::mt19937 random(11);
  for (const Case& c : cases) {
    WCube cube;
    cube.Init(c.order);
    std::vector<std::string> timeline{State(cube)};
    size_t cursor = 0;
    for (const char* s = c.steps; *s; ++s) {
      switch (*s) {
        case 'T':
          cube.TurnLayer(int(random() % 3), int(random() % c.order), int(random() % 2), 0, 1, 0);
          timeline.resize(++cursor);
          timeline.push_back(State(cube));
          break;
        case 'U':
          cube.UndoLast();
          if (cursor > 0) --cursor;
          break;
        case 'R':
          cube.RedoNext();
          if (cursor + 1 < timeline.size()) ++cursor;
          break;
        case 'N':
          cube.Init();
          timeline = {State(cube)};
          cursor = 0;
          break;
        case 'I':
          cube.ImportColours(cube.ExportColours());
          timeline.resize(cursor + 1);
          break;
        case 'X':
          cube.TurnFirst(1, c.order, 1, 0, 0);  // unrecorded: the history stays, the future goes
          timeline.resize(cursor + 1);
          timeline[cursor] = State(cube);
          break;
      }
      const std::string where = std::string(c.steps) + " at " + *s;
      ASSERT_EQ(State(cube), timeline[cursor]) << where;
      ASSERT_EQ(cube.MoveCount(), int(cursor)) << where;
      ASSERT_EQ(cube.CanRedo(), cursor + 1 < timeline.size()) << where;
    }
  }
}

TEST(Redo, ReplaysWithAnimationAndSound) {
  WCube cube;
  RecordingPresenter presenter;
  cube.SetPresenter(&presenter);
  cube.TurnLayer(1, 2, 0, 0, 1, 0);  // U, quietly
  cube.UndoLast();
  cube.RedoNext();
  EXPECT_EQ(presenter.sounds, (std::vector<int>{1, 1}));
  ASSERT_EQ(presenter.animations.size(), 2u);
  EXPECT_EQ(presenter.animations[1].angle, -90.0f);
  EXPECT_EQ(cube.MoveCount(), 1);
  EXPECT_FALSE(cube.CanRedo());
  // A copy keeps what can be redone.
  cube.UndoLast();
  WCube copy(cube);
  EXPECT_TRUE(copy.CanRedo());
}

}  // namespace
