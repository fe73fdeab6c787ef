#pragma once
// "rovan-cli solve ROUTE [options] -": one facelet text per line of standard
// input, each solved in turn by the same route in this one process (so the
// solver tables are built once), results separated by blank lines.
#include "cli/CliCommand.h"
#include "cli/SolveRoute.h"

namespace cli {

// Runs the route once per non-empty input line, with that line in place of
// the final "-". Every line gets its block on stdout: the route's own output,
// or "refused: <message>" when the line was not solved (the message also goes
// to stderr as "line N: <message>"). Returns 0 when every line was solved,
// else the exit status of the first line that was not.
int RunSolveBatch(const SolveRoute& route, const Args& optionsThenDash);

}  // namespace cli
