// rovan-cli solve nxn: the raw solver for every order through the command line.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

#include "NxNTestCube.h"
#include "tests/fixtures/CliRunner.h"

namespace {

using cli_test::CliRun;

CliRun RunCli(const std::string& arguments) {
  return cli_test::RunCliText(arguments, cli_test::kMergeErrors);
}

std::string Line(const std::string& out, const std::string& key) {
  const size_t at = out.find(key);
  if (at == std::string::npos) return "<missing " + key + ">";
  const size_t start = at + key.size();
  return out.substr(start, out.find('\n', start) - start);
}

TEST(CliNxN, SolvesRandomCubesOfOrdersTwoToFive) {
  std::mt19937 rng(23);
  for (int order = 2; order <= 5; ++order) {
    const std::string net = nxntest::RandomNet(order, rng);
    const CliRun r = RunCli("solve nxn " + net);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Line(r.out, "turns:"), " ");
    const std::string moves = Line(r.out, "moves: ");
    EXPECT_TRUE(nxntest::IsSolvedNet(nxntest::Apply(order, net, moves))) << order << ": " << moves;
  }
}

TEST(CliNxN, RefusesBadColouringsAndLengths) {
  std::string net = nxntest::SolvedNet(3);
  std::swap(net[7], net[10]);  // the U–F edge flipped
  CliRun r = RunCli("solve nxn " + net);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("Invalid edge parity."), std::string::npos) << r.out;
  r = RunCli("solve nxn 0123");
  EXPECT_EQ(r.status, 2);
  r = RunCli("solve nxn " + std::string(53, '0') + "6");
  EXPECT_EQ(r.status, 2);
}

}  // namespace
