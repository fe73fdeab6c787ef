#pragma once
// The command box of the solving form ("发送"): a typed move sequence is
// checked character by character, then cut into move-log cells.
#include <optional>
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

// The cells a typed or pasted sequence loads for a cube of the order: the
// program's own tokens as they are, and standard notation (Rw, 3Rw, 2R, ...)
// where a token is not one of the program's own, as the program's tokens that
// turn alike. Nothing when the text passes neither CheckSendText nor reads
// wholly as tokens of either notation.
std::optional<Cells> ReadSendText(std::string_view text, int order);

}  // namespace orchestration
