// "rovan-cli solve ROUTE -": one facelet text per input line, results in
// order separated by blank lines, a bad line refused without ending the run,
// and an exit status that says whether every line was solved.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

#include "tests/fixtures/CliRunner.h"
#include "tests/fixtures/CubeOracle.h"

namespace {

struct Batch {
  int status;
  std::vector<std::string> blocks;  // stdout cut at blank lines
  std::string err;
};

Batch RunBatch(const std::string& route, const std::string& input) {
  // Named per test and process: ctest runs the tests of this file side by side.
  const std::string stem = ::testing::TempDir() + "rovan_batch_" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                           std::to_string(getpid());
  const std::string inputPath = stem + "_in.txt";
  const std::string errPath = stem + "_err.txt";
  std::ofstream(inputPath) << input;
  const std::string redirect = " < " + cli_test::Quoted(inputPath) + " 2>" + cli_test::Quoted(errPath);
  const auto run = cli_test::RunCliText("solve " + route + " -", redirect.c_str());
  Batch batch{run.status, {}, ""};
  std::istringstream out(run.out);
  std::string block;
  for (std::string line; std::getline(out, line);) {
    if (line.empty()) {
      batch.blocks.push_back(block);
      block.clear();
    } else {
      block += line + "\n";
    }
  }
  if (!block.empty()) batch.blocks.push_back(block);
  std::ifstream err(errPath);
  batch.err.assign(std::istreambuf_iterator<char>(err), {});
  return batch;
}

std::string Field(const std::string& block, const std::string& name) {
  const size_t at = block.find(name + ":");
  if (at == std::string::npos) return "<missing>";
  const size_t start = at + name.size() + 1;
  return block.substr(start, block.find('\n', start) - start);
}

bool BlockSolves(int order, const std::string& facelets, const std::string& block) {
  const std::string turned = oracle::Apply(order, facelets, Field(block, "turns"));
  return input::IsUniform(oracle::Apply(order, turned, Field(block, "moves")));
}

TEST(CliBatch, SolvesEveryLineInOrder) {
  std::mt19937 rng(5);
  const std::string a = oracle::RandomState(rng), b = oracle::RandomState(rng);
  const std::string two = oracle::Apply(2, oracle::Solved(2), "R U2 F' L D");
  // Blank lines are skipped; a line may end in CR LF and carry spaces around it.
  const Batch batch = RunBatch("advanced", a + "\n\n  " + two + " \r\n" + b + "\n");
  EXPECT_EQ(batch.status, 0) << batch.err;
  ASSERT_EQ(batch.blocks.size(), 3u);
  EXPECT_TRUE(BlockSolves(3, a, batch.blocks[0])) << batch.blocks[0];
  EXPECT_TRUE(BlockSolves(2, two, batch.blocks[1])) << batch.blocks[1];
  EXPECT_TRUE(BlockSolves(3, b, batch.blocks[2])) << batch.blocks[2];
  EXPECT_EQ(batch.err, "");
}

TEST(CliBatch, BadLinesAreRefusedAndTheRunGoesOn) {
  std::mt19937 rng(6);
  const std::string good = oracle::RandomState(rng);
  std::string twoUp = oracle::Solved();
  twoUp[13] = '0';  // a U colour on F: no such cube
  struct Row {
    const char* route;
    std::string bad;
    const char* refusal;  // the line's block says "refused: " and this; stderr says it too
    int status;
  };
  const Row rows[] = {
      {"beginner", twoUp, "魔方颜色设置有问题,请重新设置颜色!", 2},
      {"threestage", "0123", "FACELETS for order 3 must have 54 characters, not 4", 2},
      {"nxn", std::string(54, '7'), "FACELETS may hold only the colour digits 0 to 5 (U F R B L D), or only the letters U R F D L B", 2},
  };
  for (const Row& row : rows) {
    const Batch batch = RunBatch(row.route, good + "\n" + row.bad + "\n" + good + "\n");
    EXPECT_EQ(batch.status, row.status) << row.route;
    ASSERT_EQ(batch.blocks.size(), 3u) << row.route;
    EXPECT_TRUE(BlockSolves(3, good, batch.blocks[0])) << row.route << batch.blocks[0];
    EXPECT_EQ(batch.blocks[1], "refused: " + std::string(row.refusal) + "\n");
    EXPECT_TRUE(BlockSolves(3, good, batch.blocks[2])) << row.route << batch.blocks[2];
    EXPECT_EQ(batch.err.rfind("line 2: ", 0), 0u) << batch.err;
    EXPECT_NE(batch.err.find(row.refusal), std::string::npos) << batch.err;
  }
}

TEST(CliBatch, EmptyInputSolvesNothingAndSucceeds) {
  const Batch batch = RunBatch("nxn", "\n\n");
  EXPECT_EQ(batch.status, 0);
  EXPECT_TRUE(batch.blocks.empty());
}

}  // namespace
