#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "model/Scrambler.h"
#include "model/WCube.h"
#include "tests/fixtures/CliRunner.h"

namespace {

using cli_test::CliRun;

CliRun RunCli(const std::string& args) { return cli_test::RunCliText(args); }

TEST(ScrambleCli, ReproducesTheScramblerAndKeepsCentres) {
  for (int order = 2; order <= 7; ++order) {
    const auto run = RunCli("scramble " + std::to_string(order) + " --count 60 --seed 4242");
    ASSERT_EQ(run.status, 0);
    model::WCube cube;
    cube.Init(order);
    std::string turns;
    for (const auto& t : scramble::ScrambleTurns(order, 60, true, 4242)) {
      cube.TurnLayer(t.axis, t.layer, t.dir, 0, 0, 0);
      if (!turns.empty()) turns += ' ';
      turns += std::to_string(t.axis);
      turns += ',';
      turns += std::to_string(t.layer);
      turns += ',';
      turns += std::to_string(t.dir);
    }
    const std::string facelets = cube.ExportColours();
    EXPECT_EQ(run.out, "facelets: " + facelets + "\nturns: " + turns + "\n") << order;
    if (order % 2 == 1) {
      const int n = order * order;
      for (int face = 0; face < 6; ++face) EXPECT_EQ(facelets[face * n + n / 2], '0' + face);
    }
  }
}

TEST(ScrambleCli, RefusesBadArguments) {
  for (const char* args : {"scramble 8", "scramble 3 --count 5001", "scramble 3 --seed -1",
                           "scramble 3 --keep-center 2", "scramble", "scramble 3 --count"}) {
    EXPECT_EQ(RunCli(args).status, 2) << args;
  }
}

}  // namespace
