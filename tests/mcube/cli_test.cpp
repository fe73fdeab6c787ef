#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "tests/mcube/FaceletCube444.h"
#include "tests/fixtures/CliRunner.h"

namespace {

using cli_test::CliRun;

CliRun RunCli(const std::string& args) { return cli_test::RunCliText(args); }

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
