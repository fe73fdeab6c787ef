#pragma once
// The move log as the solve commands fill it: cell 0 "??", the moves from
// cell 1, "@@" after the last move. These are pure functions of the cells; the
// log control itself (cursor, paging, drawing) lives with the move-log form.
#include <string>
#include <string_view>
#include <vector>

namespace orchestration {

using Cells = std::vector<std::string>;

inline constexpr const char* kStartMarker = "??";
inline constexpr const char* kEndMarker = "@@";
// The log holds 1024 cells, so at most 1022 moves between the markers.
constexpr int kLogCells = 1024;
constexpr int kMaxLogMoves = kLogCells - 2;

// A solver's text cut at single spaces; empty pieces are dropped.
Cells SplitSolution(std::string_view text);

// "??", the moves, "@@". The log should empty every cell after "@@", not only
// the first page, so no stale moves of a longer earlier log stay behind. A list
// longer than kMaxLogMoves does not fit the log; the log decides how to refuse it.
Cells LoadSolution(const Cells& moves);

// Layer-by-layer tokens ("R+." "R-." "R*." "[1]") as notation cells
// ("R" "R'" "R2" "[1]").
Cells LayeredTokensToCells(std::string_view tokens);

// The re-lettering after a solver worked on the cube turned by x2 (the cube
// itself is not turned): y↔y', z↔z', E↔E', S↔S', otherwise the first of
// F U B D f u b d in the cell swaps with its partner throughout the cell.
// Rewrites cells 1, 2, … up to the first empty cell.
void RelabelX2(Cells& cells);

// The log's rewrite for a whole-cube turn r (x x2 x' y y2 y' z z2 z'): every
// cell from 1 up to the first empty one is re-lettered so the log still
// describes the same physical turns of the turned cube. Other r do nothing.
void RotateLogCells(Cells& cells, std::string_view r);

bool IsWholeCubeTurn(std::string_view r);

}  // namespace orchestration
