// rovan-cli: the program's core without a window, for scripts, tests and benchmarks.
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/CliCommand.h"
#include "cli/SolveRoute.h"
#include "solvers/tablecache/TableCache.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace cli {

namespace {
std::vector<CliCommand>& Registry() {
  static std::vector<CliCommand> commands;
  return commands;
}
}  // namespace

const std::vector<CliCommand>& Commands() { return Registry(); }

CliRegistrar::CliRegistrar(CliCommand command) { Registry().push_back(std::move(command)); }

}  // namespace cli

static void PrintHelp(std::ostream& out) {
  auto commands = cli::Commands();
  std::sort(commands.begin(), commands.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  out << "rovan-cli: the Rovan cube program's core from the command line.\n\n"
         "Facelet texts hold 6N² digits '0'..'5' (colours U F R B L D), faces in the order\n"
         "U, F, R, B, L, D, each face row by row as seen from outside. Wherever FACELETS are\n"
         "taken, the letter form other cube programs use is read too: 6N² letters U R F D L B,\n"
         "faces in the order U, R, F, D, L, B, each letter naming the face whose centre has\n"
         "the colour (on even orders: the face the colour belongs to when solved).\n\n"
         "Subcommands:\n";
  for (const auto& c : commands) out << c.usage << "\n";
  for (const auto& r : cli::SolveRoutes()) out << r.usage << "\n";
  out << "rovan-cli --help\n    this text\n";
}

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    PrintHelp(std::cout);
    return argc < 2 ? cli::kExitBadInput : cli::kExitOk;
  }
  // Solver tables are cached where the two-phase table file is kept.
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  tablecache::SetFoldersOf(twophase::TableFileCandidates(ec ? std::string() : exe.parent_path().string()));
  const std::string name = argv[1];
  for (const auto& c : cli::Commands()) {
    if (c.name == name) return c.run(cli::Args(argv + 2, argv + argc));
  }
  std::cerr << "rovan-cli: unknown subcommand \"" << name << "\"; see rovan-cli --help\n";
  return cli::kExitBadInput;
}
