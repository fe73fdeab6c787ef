#pragma once
// The forms rovan-cli exchanges cubes and moves in besides its own: facelet
// texts in letters (U R F D L B, as other cube programs write them) and the
// "standard:" line, the moves in the notation other programs read.
#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace cli {

enum class FaceletForm { kDigits, kLetters };

// Removes "--format digits|urfdlb" when present; fails with a message on another value.
bool TakeFaceletForm(Args& args, FaceletForm& form);

// "facelets: <text>\n" with the program's own text written in the chosen form.
std::string FaceletsLine(const std::string& ownText, FaceletForm form);

// A FACELETS argument in the program's own form: a letter text is converted,
// anything else is returned as given (and checked by the caller).
std::string OwnFacelets(const std::string& given);

// "standard: <turns then moves in standard notation>\n": the program's tokens
// (whole-cube turns first) as one sequence other programs can replay.
std::string StandardLine(int order, const std::vector<std::string>& turns, const std::vector<std::string>& moves);

}  // namespace cli
