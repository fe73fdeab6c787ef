// rovan-cli as a script drives it: each route solves a set of cubes per order
// in one batch process ("rovan-cli solve ROUTE -"), every answer is applied to
// its cube with the program's notation, and the figures per set are:
//   mean/max_tokens   moves printed (markers such as "??" and "[1]" not counted)
//   mean/max_blocks   outer-block turns: R, Rw, 3Rw … each one, whole-cube turns free
//   startup_ms        a process's fixed cost (start, tables): a batch of one cube
//                     alone, less the difference to a batch of it twice; the cube
//                     is turned by outer layers only, so that it uses every table
//                     but takes little solving of its own, which would only add noise
//   ms_per_cube       batch time per cube beyond that fixed cost
//   cpu_…             the same in processor time of the processes (user + system),
//                     which a busy machine disturbs less than the wall-clock times
//   unsolved          answers that do not solve their cube (must be 0)
//   over_bound        near-solved sets: answers longer than 3 moves per scrambling turn
// Sets: 20 random cubes (400 random layer turns each), and 10 cubes each one
// and two layer turns from solved. Run by hand:
//   bench_solve_routes --benchmark_counters_tabular=true
// ROVAN_CLI names the rovan-cli to drive (default: the one built beside this
// program); ROVAN_BENCH_PER_PROCESS=1 runs one process per cube instead, for a
// rovan-cli without batch solving (ms_per_cube is then the whole process time).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "input/Conversions.h"
#include "model/MoveNotation.h"
#include "model/WCube.h"
#include "solvers/nxn/NxNMoves.h"
#include "tests/fixtures/CliSolveOutput.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string CliPath() {
  if (const char* path = std::getenv("ROVAN_CLI")) return path;
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return (exe.parent_path().parent_path() / "rovan-cli").string();
}

bool PerProcess() {
  const char* v = std::getenv("ROVAN_BENCH_PER_PROCESS");
  return v && std::string(v) == "1";
}

struct Process {
  double seconds = 0, cpuSeconds = 0;
  std::string out;
};

double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

Process RunCli(const std::string& arguments, const std::vector<std::string>& lines) {
  const std::string input = "/tmp/rovan_bench_" + std::to_string(::getpid()) + ".txt";
  {
    std::ofstream file(input);
    for (const auto& line : lines) file << line << "\n";
  }
  Process p;
  const double cpuStart = ChildrenCpuSeconds();
  const auto start = Clock::now();
  if (FILE* pipe = popen((CliPath() + " " + arguments + " < " + input + " 2>/dev/null").c_str(), "r")) {
    char buffer[8192];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) p.out.append(buffer, got);
    pclose(pipe);
  }
  p.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  p.cpuSeconds = ChildrenCpuSeconds() - cpuStart;
  std::remove(input.c_str());
  return p;
}

using Answer = cli_test::SolveAnswer;

std::vector<std::string> MoveTokens(const std::string& moves) {
  std::istringstream in(moves);
  std::vector<std::string> tokens;
  for (std::string t; in >> t;)
    if (t != "??" && t != "@@" && t.front() != '[') tokens.push_back(t);
  return tokens;
}

// The solver's own block-turn count, on the turns the model recorded.
int BlockTurns(int order, const std::vector<model::TurnRecord>& turns) {
  nxn::MoveList moves;
  for (const auto& t : turns) moves.push_back(nxn::MakeMove(t.axis, t.layer, t.dir ? 1 : 3));
  return nxn::BlockTurnCount(order, moves);
}

struct Figures {
  double tokens = 0, maxTokens = 0, blocks = 0, maxBlocks = 0, unsolved = 0, overBound = 0;
};

void Judge(int order, const std::vector<std::string>& cubes, int turnsFromSolved, const std::vector<Answer>& answers,
           Figures& f) {
  for (size_t i = 0; i < cubes.size(); ++i) {
    if (i >= answers.size()) {
      ++f.unsolved;
      continue;
    }
    model::WCube cube;
    cube.Init(order);
    cube.ImportColours(cubes[i]);
    model::ApplySequence(cube, answers[i].turns);
    cube.history.clear();
    const auto tokens = MoveTokens(answers[i].moves);
    for (const auto& t : tokens) model::ApplyCommand(cube, t, 0, 1, 0);
    const int blocks = BlockTurns(order, cube.history);
    f.unsolved += !input::IsUniform(cube.ExportColours());
    f.overBound += turnsFromSolved > 0 && static_cast<int>(tokens.size()) > 3 * turnsFromSolved;
    f.tokens += static_cast<double>(tokens.size());
    f.maxTokens = std::max(f.maxTokens, static_cast<double>(tokens.size()));
    f.blocks += blocks;
    f.maxBlocks = std::max(f.maxBlocks, static_cast<double>(blocks));
  }
  f.tokens /= static_cast<double>(cubes.size());
  f.blocks /= static_cast<double>(cubes.size());
}

// Random layer turns from solved; for near-solved sets never the solved cube itself.
std::vector<std::string> Cubes(int order, int count, int turns, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<std::string> cubes;
  while (static_cast<int>(cubes.size()) < count) {
    model::WCube cube;
    cube.Init(order);
    for (int t = 0; t < turns; ++t)
      cube.TurnLayer(static_cast<int>(rng() % 3), static_cast<int>(rng() % order), static_cast<int>(rng() % 2), 0, 0, 0);
    const std::string facelets = cube.ExportColours();
    if (!input::IsUniform(facelets)) cubes.push_back(facelets);
  }
  return cubes;
}

constexpr int kRandomTurns = 400;

// 20 random outer-layer turns from solved.
std::string OuterTurnCube(int order) {
  std::mt19937 rng(77u + order);
  model::WCube cube;
  cube.Init(order);
  for (int t = 0; t < 20; ++t)
    cube.TurnLayer(static_cast<int>(rng() % 3), rng() % 2 ? 0 : order - 1, static_cast<int>(rng() % 2), 0, 0, 0);
  return cube.ExportColours();
}

void RunSet(benchmark::State& state, const std::string& route, int order, int turnsFromSolved) {
  const int count = turnsFromSolved ? 10 : 20;
  const auto cubes = Cubes(order, count, turnsFromSolved ? turnsFromSolved : kRandomTurns, 1000u * order + turnsFromSolved);
  Figures f;
  for (auto _ : state) {
    std::vector<Answer> answers;
    if (PerProcess()) {
      double total = 0, cpu = 0;
      for (const auto& c : cubes) {
        const Process p = RunCli("solve " + route + " " + c, {});
        total += p.seconds;
        cpu += p.cpuSeconds;
        const auto a = cli_test::SolveAnswers(p.out);
        answers.push_back(a.empty() ? Answer{} : a.front());
      }
      state.counters["ms_per_cube"] = total / count * 1e3;
      state.counters["cpu_ms_per_cube"] = cpu / count * 1e3;
    } else {
      const std::string light = OuterTurnCube(order);
      const Process once = RunCli("solve " + route + " -", {light});
      const Process twice = RunCli("solve " + route + " -", {light, light});
      const Process all = RunCli("solve " + route + " -", cubes);
      const double startup = std::max(0.0, 2 * once.seconds - twice.seconds);
      const double cpuStartup = std::max(0.0, 2 * once.cpuSeconds - twice.cpuSeconds);
      state.counters["startup_ms"] = startup * 1e3;
      state.counters["ms_per_cube"] = (all.seconds - startup) / count * 1e3;
      state.counters["cpu_startup_ms"] = cpuStartup * 1e3;
      state.counters["cpu_ms_per_cube"] = (all.cpuSeconds - cpuStartup) / count * 1e3;
      answers = cli_test::SolveAnswers(all.out);
    }
    Judge(order, cubes, turnsFromSolved, answers, f);
  }
  state.counters["mean_tokens"] = f.tokens;
  state.counters["max_tokens"] = f.maxTokens;
  state.counters["mean_blocks"] = f.blocks;
  state.counters["max_blocks"] = f.maxBlocks;
  state.counters["unsolved"] = f.unsolved;
  if (turnsFromSolved) state.counters["over_bound"] = f.overBound;
}

// Args: order, turns from solved (0: random cubes).
void BM_NxN(benchmark::State& state) { RunSet(state, "nxn", static_cast<int>(state.range(0)), static_cast<int>(state.range(1))); }
void BM_Advanced(benchmark::State& state) {
  RunSet(state, "advanced", static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}
void BM_AdvancedFewest(benchmark::State& state) {
  RunSet(state, "advanced --fewest", static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}
void BM_Beginner(benchmark::State& state) {
  RunSet(state, "beginner", static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}
void BM_Petrus(benchmark::State& state) { RunSet(state, "petrus", 3, static_cast<int>(state.range(0))); }
void BM_ThreeStage(benchmark::State& state) { RunSet(state, "threestage", 3, static_cast<int>(state.range(0))); }

void OrdersAndSets(benchmark::internal::Benchmark* b, std::initializer_list<int> orders) {
  for (int order : orders)
    for (int turns : {0, 1, 2}) b->Args({order, turns});
  b->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
}

BENCHMARK(BM_NxN)->Apply([](auto* b) { OrdersAndSets(b, {2, 3, 4, 5, 6, 7}); });
BENCHMARK(BM_Advanced)->Apply([](auto* b) { OrdersAndSets(b, {2, 3, 4, 5}); });
BENCHMARK(BM_AdvancedFewest)->Apply([](auto* b) { OrdersAndSets(b, {3}); });
BENCHMARK(BM_Beginner)->Apply([](auto* b) { OrdersAndSets(b, {2, 3}); });
BENCHMARK(BM_Petrus)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_ThreeStage)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
