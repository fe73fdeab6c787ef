// Speed of the two-phase solver ("仙人解法").
//   bench_twophase --benchmark_filter=Tables      building (no file) and loading the tables
//   bench_twophase --benchmark_filter=RandomCubes  solving uniformly random cubes; prints
//       per run: first solution, time to 20 moves or fewer, length after 1 s and at the
//       end of the budget, and how many searches proved their last solution optimal.
//   bench_twophase --benchmark_filter=ScrambledCubes  easier cubes: time to prove optimality
//   When the Debian package "rubiks" is installed, RandomCubesDikcube runs its two-phase
//   solver (rubiks_dikcube) on the same cubes for comparison.
// Arguments of the random-cube runs: number of cubes, seconds per cube, search threads.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "solvers/twophase/KFacelet.h"
#include "solvers/twophase/KubeFacelets.h"
#include "solvers/twophase/SolverControl.h"
#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseSolver.h"
#include "solvers/twophase/TwoPhaseTables.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace twophase;

std::string BenchTableFile() {
  return (std::filesystem::temp_directory_path() / "rovan_bench_RVTomsel.pro").string();
}

void BM_BuildTables(benchmark::State& state) {
  for (auto _ : state) {
    TwoPhaseTables tables;
    benchmark::DoNotOptimize(tables.Build(nullptr));
  }
}
BENCHMARK(BM_BuildTables)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadTables(benchmark::State& state) {
  {
    TwoPhaseTables tables;
    tables.Build(nullptr);
    WriteTableFile(BenchTableFile(), tables);
  }
  TwoPhaseTables tables;
  for (auto _ : state) {
    if (ReadTableFile(BenchTableFile(), tables) != TableFileStatus::kLoaded) state.SkipWithError("not loaded");
  }
}
BENCHMARK(BM_LoadTables)->Unit(benchmark::kMillisecond)->Iterations(10);

// One solve's record: time (ms since the start of the search) and length of each improvement.
struct Improvement {
  double ms;
  int length;
};
struct CubeRun {
  std::vector<Improvement> improvements;
  bool proved = false;  // the search ended by itself
  double endMs = 0;
};

int LengthAt(const CubeRun& run, double ms) {
  int length = 99;
  for (const auto& i : run.improvements)
    if (i.ms <= ms) length = i.length;
  return length;
}
double TimeToReach(const CubeRun& run, int length) {
  for (const auto& i : run.improvements)
    if (i.length <= length) return i.ms;
  return 1e9;
}
double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Report(benchmark::State& state, const char* who, const std::vector<CubeRun>& runs, double budgetMs) {
  std::vector<double> first, to20, proof;
  std::map<int, int> at1s, atEnd;
  double sum1s = 0, sumEnd = 0;
  int proved = 0;
  for (const auto& r : runs) {
    first.push_back(r.improvements.empty() ? 1e9 : r.improvements.front().ms);
    to20.push_back(TimeToReach(r, 20));
    const int l1 = LengthAt(r, 1000), lEnd = LengthAt(r, budgetMs);
    ++at1s[l1];
    ++atEnd[lEnd];
    sum1s += l1;
    sumEnd += lEnd;
    if (r.proved) {
      ++proved;
      proof.push_back(r.endMs);
    }
  }
  const double n = static_cast<double>(runs.size());
  state.counters["first_ms_median"] = Median(first);
  state.counters["to20_ms_median"] = Median(to20);
  state.counters["len_1s_mean"] = sum1s / n;
  state.counters["len_end_mean"] = sumEnd / n;
  state.counters["proved"] = proved;
  state.counters["proof_ms_median"] = Median(proof);
  std::printf("\n%s, %zu cubes, %.0f s each: first solution median %.1f ms; 20 moves or fewer median %.1f ms\n", who,
              runs.size(), budgetMs / 1000, Median(first), Median(to20));
  std::printf("  length after 1 s: mean %.2f;", sum1s / n);
  for (auto [l, c] : at1s) std::printf(" %d×%d", l, c);
  std::printf("\n  length at the end: mean %.2f;", sumEnd / n);
  for (auto [l, c] : atEnd) std::printf(" %d×%d", l, c);
  std::printf("\n  proved optimal (search ended by itself): %d, median %.0f ms\n", proved, Median(proof));
}

std::vector<CKube> RandomCubes(int count) {
  std::mt19937_64 rng(20261209);
  std::vector<CKube> cubes;
  for (int i = 0; i < count; ++i) cubes.push_back(RandomKube(rng));
  return cubes;
}

class RecordingWindow : public OutputWindow {
 public:
  explicit RecordingWindow(Clock::time_point start) : start_(start) {}
  void SetText(const std::string&) override {}
  void OnSolution(const std::string&, int length) override {
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
    std::lock_guard<std::mutex> guard(mutex_);
    improvements.push_back({ms, length});
  }
  std::vector<Improvement> improvements;

 private:
  Clock::time_point start_;
  std::mutex mutex_;
};

// One solve with a stop requested once budgetMs have passed (unless the
// search ends by itself first).
CubeRun TimedSolve(const CKube& cube, const std::vector<std::string>& files, double budgetMs) {
  const auto start = Clock::now();
  RecordingWindow window(start);
  std::mutex m;
  std::condition_variable cv;
  bool done = false;
  std::thread timer([&] {
    std::unique_lock<std::mutex> lock(m);
    if (!cv.wait_for(lock, std::chrono::duration<double, std::milli>(budgetMs), [&] { return done; })) RequestStop();
  });
  Solve(LabelledFacesOf(cube), &window, files);
  const double endMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  {
    std::lock_guard<std::mutex> guard(m);
    done = true;
  }
  cv.notify_all();
  timer.join();
  return {window.improvements, endMs < budgetMs, endMs};
}

void BM_RandomCubes(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const double budgetMs = 1000.0 * static_cast<double>(state.range(1));
  const std::vector<std::string> files = {BenchTableFile()};
  PrepareTables(files, nullptr);
  Control().multiProcessor.store(state.range(2) >= 2);
  std::vector<CubeRun> runs;
  for (auto _ : state) {
    runs.clear();
    for (const CKube& cube : RandomCubes(count)) {
      runs.push_back(TimedSolve(cube, files, budgetMs));
    }
  }
  Report(state, state.range(2) >= 2 ? "this solver, 2 threads" : "this solver, 1 thread", runs, budgetMs);
}
BENCHMARK(BM_RandomCubes)->Args({20, 1, 1})->Args({200, 1, 2})->Args({200, 1, 1})->Args({20, 10, 2})->Unit(benchmark::kSecond)->Iterations(1);

// Easier cases: cubes a few random face turns from solved, where the search
// can prove its last solution optimal and end by itself.
void BM_ScrambledCubes(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const int turns = static_cast<int>(state.range(1));
  const double budgetMs = 1000.0 * static_cast<double>(state.range(2));
  const std::vector<std::string> files = {BenchTableFile()};
  PrepareTables(files, nullptr);
  Control().multiProcessor.store(true);
  std::mt19937_64 rng(static_cast<std::uint64_t>(turns));
  std::vector<CubeRun> runs;
  for (auto _ : state) {
    for (int c = 0; c < count; ++c) {
      CKube cube;
      for (int t = 0, last = -1; t < turns; ++t) {
        int face;
        do face = static_cast<int>(rng() % 6); while (face == last);
        last = face;
        cube.Move(face, 1 + static_cast<int>(rng() % 3));
      }
      runs.push_back(TimedSolve(cube, files, budgetMs));
    }
  }
  Report(state, ("this solver, " + std::to_string(turns) + " random turns from solved").c_str(), runs, budgetMs);
}
BENCHMARK(BM_ScrambledCubes)->Args({20, 10, 10})->Args({20, 13, 10})->Unit(benchmark::kSecond)->Iterations(1);

// ---- rubiks_dikcube (Debian package "rubiks"), one process per cube ----

constexpr const char* kDikcube = "/usr/bin/rubiks_dikcube";

// Its pattern input: the net B / L U R D / F around U, each face unfolded
// from U; letters as the faces' names.
std::string DikcubePattern(const CKube& cube) {
  const std::string labelled = LabelledFacesOf(cube);  // "U:……… D:……… L:……… R:……… F:……… B:………"
  auto at = [&](int face, int row, int col) { return labelled[static_cast<std::size_t>(12 * face + 2 + 3 * row + col)]; };
  enum { U, D, L, R, F, B };
  std::string p;
  for (int r = 0; r < 3; ++r)  // B, upside down: its U edge meets U
    for (int c = 0; c < 3; ++c) p += at(B, 2 - r, 2 - c);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) p += at(L, 2 - c, r);  // L turned: its U edge on the right
    for (int c = 0; c < 3; ++c) p += at(U, r, c);
    for (int c = 0; c < 3; ++c) p += at(R, c, 2 - r);  // R turned: its U edge on the left
    for (int c = 0; c < 3; ++c) p += at(D, 2 - r, 2 - c);
  }
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) p += at(F, r, c);
  return p + "*\n";
}

CubeRun RunDikcube(const std::string& pattern, double budgetMs) {
  CubeRun run;
  int in[2], out[2];
  if (pipe(in) != 0 || pipe(out) != 0) return run;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(out[1], 2);  // its progress, "Initialization done!" among it, goes to stderr
    close(in[0]), close(in[1]), close(out[0]), close(out[1]);
    execlp("stdbuf", "stdbuf", "-oL", kDikcube, "-p", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  if (write(in[1], pattern.data(), pattern.size()) < 0) {}
  close(in[1]);
  std::string pending;
  const auto launched = Clock::now();
  Clock::time_point start = launched;
  bool started = false;
  char buffer[4096];
  while (true) {
    if (started && std::chrono::duration<double, std::milli>(Clock::now() - start).count() > budgetMs) break;
    if (!started && Clock::now() - launched > std::chrono::seconds(60)) break;
    pollfd p{out[0], POLLIN, 0};
    if (poll(&p, 1, 20) <= 0) continue;
    const ssize_t got = read(out[0], buffer, sizeof buffer);
    if (got <= 0) {
      run.proved = started;
      break;
    }
    pending.append(buffer, static_cast<std::size_t>(got));
    for (auto nl = pending.find('\n'); nl != std::string::npos; nl = pending.find('\n')) {
      const std::string line = pending.substr(0, nl);
      pending.erase(0, nl + 1);
      if (line.find("Initialization done") != std::string::npos) {
        start = Clock::now();
        started = true;
      }
      int a = 0, b = 0, total = 0;
      if (started && std::sscanf(line.c_str(), "Solution (%d+%d=%d)", &a, &b, &total) == 3) {
        run.improvements.push_back({std::chrono::duration<double, std::milli>(Clock::now() - start).count(), total});
      }
      if (line.find("Not enough input") != std::string::npos) run.proved = true;
    }
    if (run.proved) break;
  }
  run.endMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(out[0]);
  return run;
}

void BM_RandomCubesDikcube(benchmark::State& state) {
  if (access(kDikcube, X_OK) != 0) {
    state.SkipWithError("rubiks_dikcube is not installed (apt-get install rubiks)");
    return;
  }
  const int count = static_cast<int>(state.range(0));
  const double budgetMs = 1000.0 * static_cast<double>(state.range(1));
  std::vector<CubeRun> runs;
  for (auto _ : state) {
    runs.clear();
    for (const CKube& cube : RandomCubes(count)) runs.push_back(RunDikcube(DikcubePattern(cube), budgetMs));
  }
  Report(state, "rubiks_dikcube, 1 thread", runs, budgetMs);
}
BENCHMARK(BM_RandomCubesDikcube)->Args({20, 1, 1})->Args({200, 1, 1})->Args({20, 10, 1})->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
