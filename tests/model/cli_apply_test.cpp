// rovan-cli apply as a black box: its output against the sticker model, and its refusals.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <random>
#include <set>

#include "StickerOracle.h"
#include "model/StandardNotation.h"
#include "tests/fixtures/CliRunner.h"

namespace {

using cli_test::CliRun;

CliRun RunCli(const std::vector<std::string>& args) { return cli_test::RunCliArgs(args, cli_test::kMergeErrors); }

std::string Expected(const oracle::StickerCube& cube, const std::string& standard) {
  return "facelets: " + cube.Colours() + "\nstickers: " + cube.StickerTurns() +
         "\nmoves: " + std::to_string(cube.MoveCount()) + "\nstandard: " + standard + "\n";
}

TEST(CliApply, RandomTokensAgreeWithTheStickerModel) {
  std::mt19937 random(7);
  const auto candidates = oracle::CandidateTokens();
  for (int order = 2; order <= 7; ++order) {
    std::vector<std::string> valid;
    for (const auto& token : candidates) {
      if (oracle::Parse(token, order)) valid.push_back(token);
    }
    std::vector<std::string> args = {"apply", std::to_string(order)};
    oracle::StickerCube expected(order);
    for (int i = 0; i < 40; ++i) {
      const std::string token = i % 5 == 0 ? candidates[random() % candidates.size()] : valid[random() % valid.size()];
      args.push_back(token);
      expected.Apply(token);
    }
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 0) << order;
    const std::vector<std::string> tokens(args.begin() + 2, args.end());
    EXPECT_EQ(run.out, Expected(expected, model::ToStandardText(order, tokens))) << order;
  }
}

TEST(CliApply, StartsFromTheGivenFacelets) {
  // The colours are taken as given, even when no real cube has them.
  const std::string state = "012345012345012345012345";
  const CliRun run = RunCli({"apply", "2", "--state", state, "x2", "R"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("moves: 1\n"), std::string::npos) << run.out;
  const CliRun none = RunCli({"apply", "2", "--state", state});
  EXPECT_EQ(none.out, "facelets: " + state + "\nstickers: " + std::string(24, '0') + "\nmoves: 0\nstandard: \n");
}

TEST(CliApply, RefusesUnusableArguments) {
  const std::vector<std::vector<std::string>> cases = {
      {"apply"},
      {"apply", "1", "R"},
      {"apply", "8"},
      {"apply", "three"},
      {"apply", "3", "--state"},
      {"apply", "3", "--state", std::string(53, '0')},
      {"apply", "3", "--state", std::string(55, '0')},
      {"apply", "3", "--state", std::string(53, '0') + "6"},
      {"apply", "2", "--state", std::string(23, '0') + "a"},
  };
  for (const auto& args : cases) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.size() << " " << args.back();
    EXPECT_EQ(run.out.rfind("rovan-cli: ", 0), 0u) << run.out;  // a message, nothing on stdout
    EXPECT_EQ(run.out.find("facelets:"), std::string::npos);
  }
}

TEST(CliApply, HelpDescribesApply) {
  const CliRun run = RunCli({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("rovan-cli apply ORDER [--state FACELETS] TOKEN..."), std::string::npos);
}

}  // namespace
