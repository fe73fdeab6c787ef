#pragma once
// Test support: the process-wide tables, loaded from (or built into) the table
// file beside rovan-cli in the build tree, so that the test processes share one build.
#include <string>
#include <vector>

#include "solvers/twophase/TwoPhaseTables.h"

namespace twophase_test {

std::vector<std::string> TestTableFiles();
const twophase::TwoPhaseTables& ReadyTables();

}  // namespace twophase_test
