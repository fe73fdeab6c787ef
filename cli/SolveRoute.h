#pragma once
// "rovan-cli solve ROUTE [options] FACELETS": each route lives in its own
// cli/route_*.cpp and registers itself here. A route prints
//   turns: <whole-cube turns made to the cube, space separated>
//   moves: <the solution as move-log cells, space separated>
//   standard: <the turns and then the moves in standard notation>
// so that applying the turns and then the moves to the input solves it, and so
// does the standard line alone.
#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace cli {

struct SolveRoute {
  std::string name;
  std::string usage;  // "rovan-cli solve NAME ..." with a short explanation
  int (*run)(const Args& args);  // the arguments after the route's name
};

const std::vector<SolveRoute>& SolveRoutes();

struct SolveRouteRegistrar {
  explicit SolveRouteRegistrar(SolveRoute route);
};

}  // namespace cli
