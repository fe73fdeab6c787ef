#!/usr/bin/env bash
# Sets up the machine, builds, and runs the whole test suite:
# the release build (core, rovan-cli and GUI tests under Xvfb), the core tests
# under AddressSanitizer + UndefinedBehaviorSanitizer, and the threaded tests
# under ThreadSanitizer, then a bounded libFuzzer run on the session-file reader.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${ROVAN_JOBS:-$(nproc)}
./scripts/setup.sh

./scripts/build.sh release
(cd build && ctest --output-on-failure -j "$jobs" --timeout 900)

./scripts/build.sh asan
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j "$jobs" -L core --timeout 1800)

./scripts/build.sh tsan
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -j "$jobs" -L threads --timeout 1800 --no-tests=ignore)
./scripts/fuzz.sh 60
echo "All tests passed."
