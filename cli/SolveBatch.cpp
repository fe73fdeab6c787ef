#include "cli/SolveBatch.h"

#include <iostream>
#include <sstream>
#include <string>

namespace cli {

namespace {

std::string Trimmed(const std::string& line) {
  const char* space = " \t\r\n\f\v";
  const size_t first = line.find_first_not_of(space);
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(space) - first + 1);
}

// The route's messages for one line, caught so that they can be labelled with it.
class CapturedErrors {
 public:
  CapturedErrors() : saved_(std::cerr.rdbuf(text_.rdbuf())) {}
  ~CapturedErrors() { std::cerr.rdbuf(saved_); }
  std::string Text() const { return text_.str(); }

 private:
  std::ostringstream text_;
  std::streambuf* saved_;
};

// The message for the line's own block, without the program's name in front.
std::string FirstLine(const std::string& text) {
  static const std::string kProgram = "rovan-cli: ";
  std::string line = text.substr(0, text.find('\n'));
  if (line.rfind(kProgram, 0) == 0) line.erase(0, kProgram.size());
  return line.empty() ? "not solved" : line;
}

}  // namespace

int RunSolveBatch(const SolveRoute& route, const Args& optionsThenDash) {
  Args args = optionsThenDash;
  int status = kExitOk;
  bool first = true;
  std::string line;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    const std::string facelets = Trimmed(line);
    if (facelets.empty()) continue;
    if (!first) std::cout << "\n";
    first = false;
    args.back() = facelets;
    int lineStatus = kExitOk;
    std::string errors;
    {
      const CapturedErrors captured;
      lineStatus = route.run(args);
      errors = captured.Text();
    }
    std::istringstream messages(errors);
    for (std::string message; std::getline(messages, message);)
      std::cerr << "line " << number << ": " << message << "\n";
    if (lineStatus != kExitOk) {
      std::cout << "refused: " << FirstLine(errors) << "\n";
      if (status == kExitOk) status = lineStatus;
    }
    std::cout.flush();
  }
  return status;
}

}  // namespace cli
