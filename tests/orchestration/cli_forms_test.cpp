// rovan-cli's letter facelets, standard lines and random-state scrambles, as a black box.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/FaceletForms.h"
#include "model/MoveNotation.h"
#include "tests/fixtures/CliRunner.h"

namespace {

using cli_test::CliRun;

CliRun RunCli(const std::string& arguments) { return cli_test::RunCliText(arguments); }

// The command's words, then the words of a move text, each passed as it is.
CliRun RunWithMoves(const std::string& command, const std::string& moves) {
  std::vector<std::string> args;
  for (const std::string& text : {command, moves}) {
    for (size_t start = 0; start < text.size();) {
      const size_t end = std::min(text.find(' ', start), text.size());
      if (end > start) args.push_back(text.substr(start, end - start));
      start = end + 1;
    }
  }
  return cli_test::RunCliArgs(args);
}

// The text after "name: " on its line.
std::string Field(const std::string& out, const std::string& name) {
  const size_t at = out.find(name + ": ");
  if (at == std::string::npos) return "<missing " + name + ">";
  const size_t start = at + name.size() + 2;
  return out.substr(start, out.find('\n', start) - start);
}

bool IsSolved(const std::string& facelets) {
  const size_t area = facelets.size() / 6;
  for (size_t face = 0; face < 6; ++face)
    if (facelets.substr(face * area, area) != std::string(area, facelets[face * area])) return false;
  return !facelets.empty();
}

std::string Scrambled(int order, const char* seed) {
  return Field(RunCli("scramble " + std::to_string(order) + " --count 80 --seed " + seed).out, "facelets");
}

// Each route's standard line alone solves the cube it was given, in either facelet form.
TEST(CliForms, StandardLinesSolveTheGivenCube) {
  struct Case {
    int order;
    const char* route;
    bool inLetters;  // given as a letter text too
  };
  // Every route's own printing once; the slower searches only once each.
  const Case cases[] = {{3, "beginner", true}, {3, "beginner --no-formula", false}, {3, "advanced", true},
                        {3, "petrus", true},   {3, "threestage", false},           {2, "beginner", false},
                        {2, "nxn", false},     {4, "advanced", true}};
  for (const Case& c : cases) {
    const std::string own = Scrambled(c.order, "1818");
    std::vector<std::string> forms = {own};
    if (c.inLetters) forms.push_back(model::ToLetterFacelets(own));
    for (const std::string& given : forms) {
      const CliRun solve = RunCli(std::string("solve ") + c.route + " " + given);
      ASSERT_EQ(solve.status, 0) << c.route << " " << given;
      const std::string standard = Field(solve.out, "standard");
      const CliRun replay =
          RunWithMoves("apply " + std::to_string(c.order) + " --state " + given + " --notation standard", standard);
      ASSERT_EQ(replay.status, 0) << standard;
      EXPECT_TRUE(IsSolved(Field(replay.out, "facelets"))) << c.route << ": " << standard;
    }
  }
}

TEST(CliForms, LetterFaceletsInAndOut) {
  const std::string own = Scrambled(4, "7");
  const std::string letters = model::ToLetterFacelets(own);
  EXPECT_EQ(Field(RunCli("apply 4 --state " + letters).out, "facelets"), own);
  EXPECT_EQ(Field(RunCli("apply 4 --state " + own + " --format urfdlb").out, "facelets"), letters);
  EXPECT_EQ(RunCli("check444 " + letters).out, RunCli("check444 " + own).out);
  EXPECT_EQ(Field(RunCli("apply 3 --format urfdlb R").out, "facelets"),
            "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB");
  EXPECT_EQ(Field(RunCli("scramble 5 --seed 3 --format urfdlb").out, "facelets"),
            model::ToLetterFacelets(Field(RunCli("scramble 5 --seed 3").out, "facelets")));
  // A mixture of letters and digits, or a letter text of the wrong length, is refused.
  for (const std::string& args : {"apply 3 --state " + letters.substr(0, 53), "apply 4 --state U" + own.substr(1),
                                  "solve beginner " + letters.substr(1), std::string("apply 3 --format letters R")}) {
    EXPECT_EQ(RunCli(args).status, 2) << args;
  }
}

TEST(CliForms, ApplyReadsStandardNotation) {
  const CliRun run = RunWithMoves("apply 4 --notation standard", "Rw 2R' 3Fw2 x");
  ASSERT_EQ(run.status, 0);
  model::WCube cube;
  cube.Init(4);
  EXPECT_EQ(model::ApplySequence(cube, "TR NR' T3F2 x", 0, 1, 0), 0);
  EXPECT_EQ(Field(run.out, "facelets"), cube.ExportColours());
  EXPECT_EQ(Field(run.out, "moves"), "1");
  EXPECT_EQ(Field(run.out, "standard"), "Rw 2R' 3Fw2 x");
  // One unreadable token refuses the whole sequence.
  for (const char* args : {"apply 4 --notation standard R M", "apply 3 --notation standard R 4R",
                           "apply 3 --notation standard R Q", "apply 3 --notation ours R"}) {
    const CliRun refused = RunCli(args);
    EXPECT_EQ(refused.status, 2) << args;
    EXPECT_EQ(refused.out, "") << args;
  }
}

// The property the scramble promises: its standard line, replayed by the
// program's own standard reader, gives its facelets.
TEST(CliForms, RandomStateScramblesReplay) {
  for (int order : {2, 3}) {
    for (const char* seed : {"1", "2"}) {
      const CliRun scramble = RunCli("scramble " + std::to_string(order) + " --random-state --seed " + seed);
      ASSERT_EQ(scramble.status, 0);
      const CliRun replay =
          RunWithMoves("apply " + std::to_string(order) + " --notation standard", Field(scramble.out, "standard"));
      EXPECT_EQ(Field(replay.out, "facelets"), Field(scramble.out, "facelets")) << order << " " << seed;
    }
  }
  for (const char* args : {"scramble 4 --random-state", "scramble 3 --random-state --count 5",
                           "scramble 3 --random-state --keep-center 0"}) {
    EXPECT_EQ(RunCli(args).status, 2) << args;
  }
}

}  // namespace
