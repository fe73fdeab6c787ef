#include <gtest/gtest.h>

#include "model/MoveLog.h"

using movelog::Demo;
using movelog::DemoState;
using movelog::MoveLog;
using movelog::PostedStep;
using movelog::WholeRotation;

namespace {

// A stand-in for the cube: the list of moves currently applied. Applying the
// inverse of the last move takes it off again; markers and empty texts do nothing.
struct AppliedMoves {
  std::vector<std::string> moves;
  int turns = 0;
  void Apply(const std::string& text) {
    if (text.empty() || text.find('?') != std::string::npos || text.find('@') != std::string::npos) return;
    ++turns;
    if (!moves.empty() && movelog::InvertCommand(moves.back()) == text) {
      moves.pop_back();
    } else {
      moves.push_back(text);
    }
  }
  void Play(const MoveLog& log, const std::vector<PostedStep>& steps) {
    for (const auto& s : steps) Apply(log.PostedText(s));
  }
};

using Moves = std::vector<std::string>;

TEST(MoveLog, InvertCommand) {
  const std::pair<const char*, const char*> cases[] = {
      {"R", "R'"}, {"R'", "R"}, {"R2", "R2"}, {"R2'", "R2"}, {"NR", "NR'"}, {"x", "x'"},
      {"", "'"}, {"??", "?\?'"}, {"T3F'", "T3F"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(movelog::InvertCommand(in), out) << in;
}

TEST(MoveLog, LoadPutsMarkersAroundTheMoves) {
  MoveLog log;
  EXPECT_TRUE(log.IsEmpty());
  EXPECT_EQ(log.cursor(), -1);
  EXPECT_TRUE(log.LoadSequence({"R", "U"}));
  EXPECT_EQ(log.Cell(0), "??");
  EXPECT_EQ(log.Cell(1), "R");
  EXPECT_EQ(log.Cell(3), "@@");
  EXPECT_EQ(log.Cell(4), "");
  EXPECT_EQ(log.cursor(), 0);
  EXPECT_EQ(log.Moves(), (Moves{"R", "U"}));
}

TEST(MoveLog, TooLongSequenceIsRefusedAndTheLogStays) {
  MoveLog log;
  log.LoadSequence({"R", "U"});
  log.PressStepForward();
  EXPECT_FALSE(log.LoadSequence(Moves(movelog::kMaxMoves + 1, "R")));
  EXPECT_EQ(log.Moves(), (Moves{"R", "U"}));
  EXPECT_EQ(log.cursor(), 1);
  EXPECT_TRUE(log.LoadSequence(Moves(movelog::kMaxMoves, "R")));  // the largest that fits
  EXPECT_EQ(log.Cell(movelog::kCellCount - 1), "@@");
}

TEST(MoveLog, StepButtonsWalkTheSequence) {
  MoveLog log;
  AppliedMoves cube;
  log.LoadSequence({"R", "U"});
  cube.Play(log, log.PressStepForward());
  EXPECT_EQ(log.cursor(), 1);
  cube.Play(log, log.PressStepForward());
  EXPECT_EQ(cube.moves, (Moves{"R", "U"}));
  cube.Play(log, log.PressStepForward());  // onto "@@": nothing turns
  EXPECT_EQ(log.cursor(), 3);
  EXPECT_EQ(cube.turns, 2);
  cube.Play(log, log.PressStepForward());  // stays on "@@"
  EXPECT_EQ(log.cursor(), 3);

  cube.Play(log, log.PressStepBack());  // undoes U directly
  EXPECT_EQ(log.cursor(), 2);
  EXPECT_EQ(log.forwardMode(), 0);
  EXPECT_EQ(cube.moves, (Moves{"R"}));
  cube.Play(log, log.PressStepBack());
  EXPECT_EQ(log.cursor(), 1);
  EXPECT_TRUE(cube.moves.empty());
  cube.Play(log, log.PressStepBack());  // onto "??", back to forward mode
  EXPECT_EQ(log.cursor(), 0);
  EXPECT_EQ(log.forwardMode(), 1);
  EXPECT_TRUE(cube.moves.empty());
  cube.Play(log, log.PressStepForward());
  EXPECT_EQ(cube.moves, (Moves{"R"}));
}

TEST(MoveLog, ForwardAfterBackReappliesWithoutMovingTheCursor) {
  MoveLog log;
  AppliedMoves cube;
  log.LoadSequence({"R", "U", "F"});
  cube.Play(log, log.PressStepForward());
  cube.Play(log, log.PressStepForward());
  cube.Play(log, log.PressStepBack());
  EXPECT_EQ(log.cursor(), 2);
  EXPECT_EQ(cube.moves, (Moves{"R"}));
  cube.Play(log, log.PressStepForward());
  EXPECT_EQ(log.cursor(), 2);
  EXPECT_EQ(cube.moves, (Moves{"R", "U"}));
}

// Whatever the steps and jumps, the moves played and the moves from the cursor
// make up the whole sequence.
TEST(MoveLog, MovesFromCursorAreThoseNotYetPlayed) {
  MoveLog log;
  EXPECT_TRUE(log.MovesFromCursor().empty());
  const Moves all = {"R", "U", "F", "D", "B"};
  log.LoadSequence(all);
  EXPECT_EQ(log.MovesFromCursor(), all);
  AppliedMoves cube;
  std::srand(18);
  for (int step = 0; step < 200; ++step) {
    switch (std::rand() % 6) {
      case 0: cube.Play(log, log.PressStepBack()); break;
      case 1:
        for (const auto& text : log.JumpToStart().commands) cube.Apply(text);
        break;
      default: cube.Play(log, log.PressStepForward()); break;
    }
    Moves played = cube.moves;
    const Moves rest = log.MovesFromCursor();
    played.insert(played.end(), rest.begin(), rest.end());
    EXPECT_EQ(played, all) << "cursor " << log.cursor() << " mode " << log.forwardMode();
  }
}

TEST(MoveLog, JumpsApplyEverythingAtOnce) {
  MoveLog log;
  AppliedMoves cube;
  log.LoadSequence({"R", "U2", "F'"});
  auto end = log.JumpToEnd();
  EXPECT_TRUE(end.done);
  for (const auto& c : end.commands) cube.Apply(c);
  EXPECT_EQ(cube.moves, (Moves{"R", "U2", "F'"}));
  EXPECT_EQ(log.cursor(), 4);
  auto start = log.JumpToStart();
  for (const auto& c : start.commands) cube.Apply(c);
  EXPECT_TRUE(cube.moves.empty());
  EXPECT_EQ(log.cursor(), 0);
  EXPECT_EQ(log.forwardMode(), 1);

  // From the middle in backward mode.
  cube.Play(log, log.PressStepForward());
  cube.Play(log, log.PressStepForward());
  cube.Play(log, log.PressStepBack());
  for (const auto& c : log.JumpToEnd().commands) cube.Apply(c);
  EXPECT_EQ(cube.moves, (Moves{"R", "U2", "F'"}));
}

TEST(MoveLog, NothingMovesOnAnEmptyOrClearedLog) {
  MoveLog fresh;
  EXPECT_TRUE(fresh.StepBack().empty());
  EXPECT_TRUE(fresh.StepForward().empty());
  EXPECT_FALSE(fresh.JumpToEnd().done);

  MoveLog log;
  log.LoadSequence({"R"});
  log.JumpToEnd();
  log.ClearLog();
  EXPECT_TRUE(log.IsEmpty());
  for (int i = 0; i < 2000; ++i) EXPECT_TRUE(log.StepForward().empty());
  EXPECT_TRUE(log.PressStepBack().empty());
  EXPECT_FALSE(log.JumpToStart().done);
}

TEST(MoveLog, PagesFollowTheCursor) {
  MoveLog log;
  log.LoadSequence(Moves(300, "R"));
  for (int i = 0; i < 160; ++i) log.PressStepForward();
  EXPECT_EQ(log.cursor(), 160);
  EXPECT_EQ(log.page(), 1);
  log.PressStepBack();
  log.PressStepBack();
  EXPECT_EQ(log.cursor(), 159);
  EXPECT_EQ(log.page(), 0);
  log.JumpToEnd();
  EXPECT_EQ(log.pageOffset(), 160);
}

TEST(MoveLog, RelabelTables) {
  struct Case {
    WholeRotation rotation;
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {WholeRotation::X, "R", "R"},       {WholeRotation::X, "y2", "y2"},
      {WholeRotation::X, "F", "U"},       {WholeRotation::X, "S", "E'"},
      {WholeRotation::X, "E2'", "E2'"},   {WholeRotation::X, "u2'", "b2'"},
      {WholeRotation::Y, "R", "F"},       {WholeRotation::Y, "CF", "CL"},
      {WholeRotation::Y, "N3F", "N3L"},   {WholeRotation::Y, "r2'", "f2'"},
      {WholeRotation::Y2, "x", "x'"},     {WholeRotation::Y2, "z'", "z"},
      {WholeRotation::Y2, "x'", "x"},     {WholeRotation::Y2, "S2", "S2"},
      {WholeRotation::Z, "M", "E'"},      {WholeRotation::ZPrime, "L", "D"},
      {WholeRotation::XPrime, "T3B", "T3U"}, {WholeRotation::X2, "@@", "@@"},
      // Only the first letter kind found is replaced, everywhere in the cell.
      {WholeRotation::X, "FU", "UU"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(movelog::RelabelCommand(c.rotation, c.in), c.out)
        << movelog::RotationToken(c.rotation) << " " << c.in;
  }
}

TEST(MoveLog, RelabelRewritesUpToTheFirstEmptyCell) {
  MoveLog log;
  log.LoadSequence({"R", "y2"});
  log.Relabel(WholeRotation::X, 3);
  EXPECT_EQ(log.Moves(), (Moves{"R", "z2"}));  // y2 names the same physical turn as z2 now
  log.Relabel(WholeRotation::Y, 3);
  EXPECT_EQ(log.Moves(), (Moves{"F", "x2"}));
  EXPECT_EQ(log.Cell(0), "??");
  EXPECT_EQ(log.Cell(3), "@@");
  log.RelabelX2(3);
  EXPECT_EQ(log.Moves(), (Moves{"B", "x2"}));
}

TEST(MoveLog, RelabellingByARotationAndItsInverseIsTheIdentity) {
  const Moves tokens = {"R", "U'", "F2", "L", "D2'", "B", "r", "u'", "NF", "M", "E'", "S2",
                        "x", "y'", "z2", "CR", "T3U", "MD2"};
  const std::pair<WholeRotation, WholeRotation> pairs[] = {
      {WholeRotation::X, WholeRotation::XPrime}, {WholeRotation::Y, WholeRotation::YPrime},
      {WholeRotation::Z, WholeRotation::ZPrime}, {WholeRotation::X2, WholeRotation::X2},
      {WholeRotation::Y2, WholeRotation::Y2},    {WholeRotation::Z2, WholeRotation::Z2}};
  for (const auto& [there, back] : pairs) {
    for (const auto& t : tokens) {
      EXPECT_EQ(movelog::RelabelCommand(back, movelog::RelabelCommand(there, t)), t)
          << movelog::RotationToken(there) << " " << t;
    }
  }
}

TEST(MoveLog, DemonstrationsToggleAndStopAtTheirMarkers) {
  MoveLog log;
  DemoState demo;
  log.LoadSequence({"R"});
  demo.Press(Demo::Forward);
  EXPECT_TRUE(demo.running(Demo::Forward));
  EXPECT_STREQ(movelog::DemoLook(Demo::Forward, true).caption, "||");
  EXPECT_TRUE(demo.Tick(Demo::Forward, log));
  log.PressStepForward();
  EXPECT_TRUE(demo.Tick(Demo::Forward, log));
  log.PressStepForward();  // onto "@@"
  EXPECT_FALSE(demo.Tick(Demo::Forward, log));
  EXPECT_FALSE(demo.running(Demo::Forward));

  demo.Press(Demo::Forward);
  demo.Press(Demo::Reverse);  // stops the forward one, starts the reverse one
  EXPECT_FALSE(demo.running(Demo::Forward));
  EXPECT_TRUE(demo.running(Demo::Reverse));
  demo.Press(Demo::Reverse);
  EXPECT_FALSE(demo.running(Demo::Reverse));
  EXPECT_STREQ(movelog::DemoLook(Demo::Reverse, false).tooltip, "反方向自动演示");
}

}  // namespace
