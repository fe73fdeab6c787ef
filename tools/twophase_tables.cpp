// Builds the two-phase solver's tables and writes the table file, so that an
// installation can ship it or a cache can be filled ahead of the first solve.
// Prints the build time and each pruning table's entries per distance.
//   tool_twophase_tables [FILE]   (default: RVTomsel.pro in the current directory)
#include <chrono>
#include <cstdio>
#include <vector>

#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseTables.h"

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : twophase::kTableFileName;
  const auto start = std::chrono::steady_clock::now();
  twophase::TwoPhaseTables tables;
  tables.Build(nullptr);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("built in %.2f s\n", seconds);
  for (const twophase::PruneTable* t : {&tables.pruneA, &tables.pruneB, &tables.pruneC, &tables.pruneD, &tables.pruneE}) {
    std::vector<unsigned> perDistance(16, 0);
    for (std::uint32_t k = 0; k < t->EntryCount(); ++k) ++perDistance[static_cast<std::size_t>(t->Get(k))];
    std::printf("%c:", t->Name());
    for (unsigned n : perDistance) {
      if (n) std::printf(" %u", n);
    }
    std::printf("\n");
  }
  if (!twophase::WriteTableFile(path, tables)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("wrote %s (%zu bytes)\n", path.c_str(), twophase::ExpectedTableFileLength(tables));
  return 0;
}
