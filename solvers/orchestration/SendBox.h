#pragma once
// The command box of the solving form ("发送"): a typed move sequence is
// checked character by character, then cut into move-log cells.
#include <string_view>

#include "solvers/orchestration/LogCells.h"

namespace orchestration {

// True when every character is one the notation uses: L R F B U D l r f b u d
// E M S x y z X Y Z, space, T W N V, 2 3 4 5 6, ( ) . C — where a "'" or "2"
// right after any of them but a space belongs to it. False means the message
// kMsgBadCommand and an unchanged log.
bool CheckSendText(std::string_view text);

// The tokens between the separators space, line feed, carriage return, form
// feed, tab, '.', '(' and ')'; empty pieces are dropped.
Cells TokeniseSendText(std::string_view text);

}  // namespace orchestration
