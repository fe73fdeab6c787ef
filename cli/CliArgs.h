#pragma once
// Argument helpers shared by the subcommands. Each returns false and prints a
// clear message on stderr when the value is unusable.
#include <optional>
#include <string>

#include "cli/CliCommand.h"

namespace cli {

bool ParseInt(const std::string& text, int min, int max, const char* what, int& out);
bool ParseOrder(const std::string& text, int& order);  // 2..7
// A facelet text for an order-N cube: 6N² characters '0'..'5', or the letter
// form (U R F D L B), which is converted to the digits in place.
bool CheckFacelets(std::string& text, int order);
// Removes "--name value" from args when present; fails when the value is missing.
bool TakeOption(Args& args, const std::string& name, std::optional<std::string>& value);
bool TakeFlag(Args& args, const std::string& name);
void PrintError(const std::string& message);
// The directory rovan-cli runs from (for the two-phase table file), or empty.
std::string ExecutableDir();

}  // namespace cli
