// Writes valid session files of every order (2..7) and both versions into a
// folder: the seeds of the session-file fuzzer.
#include <cstdio>
#include <string>

#include "document/SessionFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  for (int order = 2; order <= 7; ++order) {
    for (int version = 1; version <= 2; ++version) {
      session::SessionData d;
      d.version = version;
      d.order = order;
      d.trackball = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
      d.cubies.resize(static_cast<size_t>(order) * order * order);
      for (size_t i = 0; i < d.cubies.size(); ++i) d.cubies[i].faceColour.fill(static_cast<int>(i % 7));
      if (version == 2) d.history = {{0, 0, 1}, {1, order - 1, 0}};
      const std::string path = std::string(argv[1]) + "/seed_" + std::to_string(order) + "_v" +
                               std::to_string(version) + ".rvs";
      if (!session::WriteFileAtomically(path, session::WriteSession(d))) return 1;
    }
  }
  return 0;
}
