#include "cli/CliArgs.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>

#include "cli/CubeForms.h"

namespace cli {

void PrintError(const std::string& message) { std::cerr << "rovan-cli: " << message << "\n"; }

std::string ExecutableDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

bool ParseInt(const std::string& text, int min, int max, const char* what, int& out) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max) {
    PrintError(std::string(what) + " must be an integer from " + std::to_string(min) + " to " +
               std::to_string(max) + ", not \"" + text + "\"");
    return false;
  }
  out = value;
  return true;
}

bool ParseOrder(const std::string& text, int& order) { return ParseInt(text, 2, 7, "ORDER", order); }

bool CheckFacelets(std::string& text, int order) {
  text = OwnFacelets(text);
  const size_t expected = static_cast<size_t>(6 * order * order);
  if (text.size() != expected) {
    PrintError("FACELETS for order " + std::to_string(order) + " must have " +
               std::to_string(expected) + " characters, not " + std::to_string(text.size()));
    return false;
  }
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '5'; })) {
    PrintError("FACELETS may hold only the colour digits 0 to 5 (U F R B L D), or only the letters U R F D L B");
    return false;
  }
  return true;
}

bool TakeOption(Args& args, const std::string& name, std::optional<std::string>& value) {
  auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return true;
  if (it + 1 == args.end()) {
    PrintError("option " + name + " needs a value");
    return false;
  }
  value = *(it + 1);
  args.erase(it, it + 2);
  return true;
}

bool TakeFlag(Args& args, const std::string& name) {
  auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

}  // namespace cli
