#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "tests/mcube/FaceletCube444.h"

namespace {

struct CliRun {
  int status;
  std::string out;
};

CliRun RunCli(const std::string& args) {
  const std::string command = std::string(ROVAN_CLI_PATH) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, ""};
  std::string out;
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) out += buffer.data();
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(Check444Cli, PrintsTheCheckCode) {
  std::string twisted = test444::FaceletCube444::Solved();
  std::swap(twisted[13], twisted[17]);  // a U-F wing's stickers swapped
  const struct {
    std::string facelets;
    std::string printed;
  } cases[] = {
      {test444::FaceletCube444::Solved(), "0\n"},
      {twisted, "4\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli("check444 " + c.facelets);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.printed);
  }
}

TEST(Check444Cli, UnusableArgumentsExitWithTwo) {
  const std::string solved = test444::FaceletCube444::Solved();
  const std::string cases[] = {"check444", "check444 0123", "check444 " + solved + " extra",
                               "check444 " + solved.substr(0, 95) + "6"};
  for (const std::string& args : cases) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
  }
}

}  // namespace
