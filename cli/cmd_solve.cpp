#include <iostream>

#include "cli/CliArgs.h"
#include "cli/SolveBatch.h"
#include "cli/SolveRoute.h"

namespace cli {

namespace {
std::vector<SolveRoute>& Registry() {
  static std::vector<SolveRoute> routes;
  return routes;
}

std::string Usage();

void PrintRoutes() {
  std::cout << Usage() << "\n";
  for (const auto& route : Registry()) std::cout << route.usage << "\n";
}

int RunSolve(const Args& args) {
  if (args.empty()) {
    PrintError("solve needs a ROUTE; see rovan-cli solve --help");
    return kExitBadInput;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    PrintRoutes();
    return kExitOk;
  }
  for (const auto& route : Registry()) {
    if (route.name != args[0]) continue;
    const Args rest(args.begin() + 1, args.end());
    if (!rest.empty() && rest.back() == "-") return RunSolveBatch(route, rest);
    return route.run(rest);
  }
  PrintError("the solving route \"" + args[0] + "\" is not built in this version; rovan-cli solve --help lists the routes");
  return kExitNotBuilt;
}

std::string Usage() {
  return "rovan-cli solve ROUTE [options] FACELETS\n"
         "    solves the cube given as a facelet text; prints \"turns:\" (whole-cube turns the\n"
         "    route makes) and \"moves:\" (the solution as move-log cells), each checked on a copy\n"
         "    of the cube first. Routes: see below (rovan-cli solve --help lists them alone).\n"
         "rovan-cli solve ROUTE [options] -\n"
         "    solves one facelet text per line of standard input (empty lines are skipped) in\n"
         "    one process; each result as above, separated by blank lines. A line that is not\n"
         "    solved prints \"refused: <message>\" and the message on stderr as \"line N: ...\";\n"
         "    the run goes on. Exit 0 when every line was solved, else the status of the first\n"
         "    line that was not.";
}
}  // namespace

const std::vector<SolveRoute>& SolveRoutes() { return Registry(); }

SolveRouteRegistrar::SolveRouteRegistrar(SolveRoute route) { Registry().push_back(std::move(route)); }

static CliRegistrar registrar({"solve", Usage(), RunSolve});

}  // namespace cli
