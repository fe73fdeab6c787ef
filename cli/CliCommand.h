#pragma once
// rovan-cli is a set of subcommands; each lives in its own cli/cmd_*.cpp and
// registers itself with a static CliRegistrar, so adding one touches no other file.
#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;  // the arguments after the subcommand's name

struct CliCommand {
  std::string name;
  std::string usage;  // one or more lines for --help, each starting with "rovan-cli "
  int (*run)(const Args& args);
};

const std::vector<CliCommand>& Commands();

struct CliRegistrar {
  explicit CliRegistrar(CliCommand command);
};

// Exit statuses shared by every subcommand.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;   // the command ran and reports failure
constexpr int kExitBadInput = 2;  // unusable arguments or a refused cube
constexpr int kExitNotBuilt = 3;  // the requested route or feature does not exist yet

}  // namespace cli
