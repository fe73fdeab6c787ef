#pragma once
// The two facelet texts a cube travels in. The program's own text holds colour
// digits '0'..'5' (U F R B L D) with the faces in the order U, F, R, B, L, D; the
// letter text other cube programs exchange holds the letters U R F D L B, faces
// in the order U, R, F, D, L, B. Both read every face row by row as seen from
// outside (U with B at the top, D with F at the top, side faces with U on top),
// so only the face order and the symbols differ.
//
// A letter names the face whose centre has the sticker's colour. Even orders
// have no fixed centres: there a letter names the face the colour belongs to on
// the solved cube (0 U, 1 F, 2 R, 3 B, 4 L, 5 D), and so do odd orders whose
// centres do not hold six different colours.
#include <optional>
#include <string>
#include <string_view>

namespace model {

// The order N (2..7) of a text of 6N² letters U R F D L B, or 0.
int OrderOfLetterFacelets(std::string_view text);

// The letter text of a cube given as the program's own text (6N² digits).
std::string ToLetterFacelets(std::string_view ownText);

// The program's own text of a letter text; nothing when the text is not one
// of 6N² letters U R F D L B for an order 2..7.
std::optional<std::string> FromLetterFacelets(std::string_view letterText);

}  // namespace model
