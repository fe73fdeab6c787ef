#!/usr/bin/env bash
# Sets up the machine, builds, and starts the program (arguments go to the program).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh release
if [ -x build/rovan ]; then
  exec build/rovan "$@"
fi
# Until the window exists: show the core at work on an example.
exec build/rovan-cli apply 3 R U "R'" "U'"
