#include "SharedTables.h"

#include <cstdlib>
#include <filesystem>

#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace twophase_test {

std::vector<std::string> TestTableFiles() {
  const auto dir = std::filesystem::path(ROVAN_CLI_PATH).parent_path();
  return {(dir / twophase::kTableFileName).string()};
}

const twophase::TwoPhaseTables& ReadyTables() {
  if (!twophase::PrepareTables(TestTableFiles(), nullptr)) std::abort();
  return twophase::SharedTables();
}

}  // namespace twophase_test
