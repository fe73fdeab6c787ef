#pragma once
// The move log: a sequence of move commands that the user plays on the cube one
// cell at a time, forwards or backwards, by jumps or as a timed demonstration.
//
// Cells: cell 0 holds the start marker "??", cells 1..n the moves, cell n+1 the
// end marker "@@", later cells are empty. A log whose cell 0 is empty is empty.
// `forwardMode` tells what the cursor means: 1 — the moves of cells 1..cursor
// have been applied to the cube; 0 — those of cells 1..cursor−1 (the cursor's own
// move has just been undone).
//
// The log never touches the cube itself. Steps are handed back as PostedStep
// values that the owner applies later, in order (animate 1, record 0, sound 1);
// jumps hand back the command texts to apply at once (animate 0, record 0, sound 0).
#include <array>
#include <string>
#include <vector>

namespace movelog {

inline constexpr int kCellCount = 1024;
inline constexpr int kMaxMoves = kCellCount - 2;  // room for both markers
inline constexpr int kRows = 8, kColumns = 20;
inline constexpr int kCellsPerPage = kRows * kColumns;  // 160
inline constexpr const char* kStartMarker = "??";
inline constexpr const char* kEndMarker = "@@";

// The inverse of one command: "R" → "R'", "R'" → "R", "R2" → "R2"; a text of
// fewer than two characters gets "'" ("??'" and "" + "'" are no-ops when played).
std::string InvertCommand(const std::string& text);

// The nine whole-cube rotations offered by the log form.
enum class WholeRotation { X, X2, XPrime, Y, Y2, YPrime, Z, Z2, ZPrime };
inline constexpr int kWholeRotationCount = 9;
const char* RotationToken(WholeRotation rotation);  // "x", "x2", "x'", …
// The command that names the same physical turn after the cube was rotated by `rotation`.
std::string RelabelCommand(WholeRotation rotation, const std::string& text);

// One step the log asks its owner to play: cell `cell`, inverted when `forwardMode` is 0.
struct PostedStep {
  int cell;
  int forwardMode;
};

class MoveLog {
 public:
  MoveLog();

  // Replaces the log by "??", the tokens, "@@"; cursor 0, forward mode, page 0.
  // A sequence of more than kMaxMoves moves does not fit with both markers: it is
  // refused and the log stays as it was (the caller tells the user).
  bool LoadSequence(const std::vector<std::string>& tokens);
  // Empties the first page's cells (cell 0 included); cursor and mode stay.
  void ClearLog();

  bool IsEmpty() const { return cells_[0].empty(); }
  const std::string& Cell(int index) const;  // "" outside 0..kCellCount−1
  int cursor() const { return cursor_; }
  int forwardMode() const { return forwardMode_; }
  int pageOffset() const { return pageOffset_; }
  int page() const { return pageOffset_ / kCellsPerPage; }
  // The moves between the markers (what a solver loaded), in order.
  std::vector<std::string> Moves() const;
  // The moves still to play from the cursor to the end: those after the
  // cursor, and the cursor's own when it was just undone.
  std::vector<std::string> MovesFromCursor() const;

  // The command a posted step plays, read when the owner handles the step.
  std::string PostedText(const PostedStep& step) const;

  // Arrow keys: Right/Down step forward, Left/Up step back. Nothing on an empty log.
  std::vector<PostedStep> StepForward();
  std::vector<PostedStep> StepBack();
  // The ">" and "<" buttons.
  std::vector<PostedStep> PressStepForward();
  std::vector<PostedStep> PressStepBack();
  // The ">|" and "|<" buttons: the commands to apply at once, in order. `done`
  // is false when the log was empty (then nothing happens, not even the sound).
  struct Jump {
    bool done = false;
    std::vector<std::string> commands;
  };
  Jump JumpToEnd();
  Jump JumpToStart();

  // Rewrites cells 1, 2, … up to the first empty one after a whole-cube rotation
  // of a cube of the given order, so that they make the same physical turns.
  void Relabel(WholeRotation rotation, int order);
  // The x2 re-lettering the solvers use for even orders (turns nothing).
  void RelabelX2(int order) { Relabel(WholeRotation::X2, order); }

 private:
  std::vector<PostedStep> SetCursor(int index);
  void ShowPageOf(int index) { pageOffset_ = (index / kCellsPerPage) * kCellsPerPage; }
  bool IsCell(int index, const char* text) const { return Cell(index) == text; }

  std::array<std::string, kCellCount> cells_;
  int cursor_ = -1;
  int forwardMode_ = 1;
  int pageOffset_ = 0;
};

// The two timed demonstrations (timers 500 forwards, 600 backwards): which one
// runs and how its button looks. At most one runs at a time.
enum class Demo { Forward, Reverse };
inline constexpr int kForwardDemoTimerId = 500;
inline constexpr int kReverseDemoTimerId = 600;

struct DemoButtonLook {
  const char* caption;
  const char* tooltip;
};
DemoButtonLook DemoLook(Demo demo, bool running);

class DemoState {
 public:
  bool running(Demo demo) const { return demo == Demo::Forward ? forward_ : reverse_; }
  // The "<<" or ">>" button: stops the other demonstration, toggles this one.
  void Press(Demo demo);
  void Stop(Demo demo) { (demo == Demo::Forward ? forward_ : reverse_) = false; }
  // A timer tick: stops the demonstration at its marker and returns false, or
  // returns true when the step button (">" or "<") is to be pressed.
  bool Tick(Demo demo, const MoveLog& log);

 private:
  bool forward_ = false;
  bool reverse_ = false;
};

}  // namespace movelog
