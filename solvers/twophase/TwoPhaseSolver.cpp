#include "solvers/twophase/TwoPhaseSolver.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

#include "solvers/twophase/KFacelet.h"
#include "solvers/twophase/SolverControl.h"
#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseSearch.h"

namespace twophase {

namespace {
std::mutex& SolveMutex() {
  static std::mutex m;
  return m;
}
std::mutex& PrepareMutex() {
  static std::mutex m;
  return m;
}
TwoPhaseTables& MutableTables() {
  static TwoPhaseTables tables;
  return tables;
}

// Holds the window in SolverControl for the length of one solve.
class WindowInUse {
 public:
  explicit WindowInUse(OutputWindow* window) { Set(window); }
  ~WindowInUse() { Set(nullptr); }

 private:
  static void Set(OutputWindow* window) {
    std::lock_guard<std::mutex> guard(Control().lock);
    Control().outputWindow = window;
  }
};

bool LoadOrBuild(const std::vector<std::string>& tableFiles, OutputWindow* window) {
  TwoPhaseTables& tables = MutableTables();
  for (const auto& path : tableFiles) {
    if (ReadTableFile(path, tables) == TableFileStatus::kLoaded) return true;
  }
  auto progress = [window](const std::string& text) {
    if (window) window->SetText(text);
  };
  if (!tables.Build(progress, &Control().abandonTableBuild)) return false;
  // Failing to write only costs the next program a rebuild.
  for (const auto& path : tableFiles) {
    if (WriteTableFile(path, tables)) break;
  }
  return true;
}
}  // namespace

bool PrepareTables(const std::vector<std::string>& tableFiles, OutputWindow* window) {
  SolverControl& control = Control();
  {
    std::lock_guard<std::mutex> guard(PrepareMutex());
    if (!control.tablesReady.load()) {
      if (!LoadOrBuild(tableFiles, window)) return false;
      control.multiProcessor.store(std::thread::hardware_concurrency() >= 2);
      control.tablesReady.store(true);
    }
  }
  control.best.store(kNoSolutionYet);
  return true;
}

const TwoPhaseTables& SharedTables() { return MutableTables(); }

bool SolveKeepingStop(const std::string& labelledFaces, OutputWindow* window,
                      const std::vector<std::string>& tableFiles) {
  std::lock_guard<std::mutex> solving(SolveMutex());
  SolverControl& control = Control();
  WindowInUse inUse(window);

  KFacelet facelets(labelledFaces);
  if (facelets.Validate() != kFaceletsOk) {
    control.Show(kColourErrorText);
    return false;
  }
  if (PrepareTables(tableFiles, window)) {
    const CKube cube = facelets;
    TwoPhaseSearch search(SharedTables(), control, cube, control.multiProcessor.load(), false);
    search.Run();
  }
  control.stop.store(true);  // also ends the second search
  if (control.secondSearch.joinable()) control.secondSearch.join();
  return true;
}

bool Solve(const std::string& labelledFaces, OutputWindow* window, const std::vector<std::string>& tableFiles) {
  Control().stop.store(false);
  return SolveKeepingStop(labelledFaces, window, tableFiles);
}

void RequestStop() { Control().stop.store(true); }
bool IsSecondSearchRunning() { return Control().secondSearchRunning.load(); }
bool TablesReady() { return Control().tablesReady.load(); }
void AbandonTableBuild(bool abandon) { Control().abandonTableBuild.store(abandon); }

std::vector<std::string> TableFileCandidates(const std::string& executableDir) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  if (!executableDir.empty()) files.push_back((fs::path(executableDir) / kTableFileName).string());
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const char* home = std::getenv("HOME");
  if (cache && *cache && fs::path(cache).is_absolute()) {
    files.push_back((fs::path(cache) / "rovan" / kTableFileName).string());
  } else if (home && *home) {
    files.push_back((fs::path(home) / ".cache" / "rovan" / kTableFileName).string());
  }
  return files;
}

}  // namespace twophase

