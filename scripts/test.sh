#!/usr/bin/env bash
# Sets up the machine, builds, and runs the whole test suite:
# the release build (core, rovan-cli and GUI tests under Xvfb), the core tests
# under AddressSanitizer + UndefinedBehaviorSanitizer, and the threaded tests
# under ThreadSanitizer, then bounded libFuzzer runs on the session-file and
# table-file readers and on every solving route.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${ROVAN_JOBS:-$(nproc)}
./scripts/setup.sh

./scripts/build.sh release
(cd build && ctest --output-on-failure -j "$jobs" --timeout 900)

./scripts/build.sh asan
# The route property test runs fewer cubes per order under the sanitizers.
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ROVAN_ROUTE_CUBES=60 \
   ctest --output-on-failure -j "$jobs" -L core --timeout 1800)

# Only the threaded test programs (test_<area>_threads) need the ThreadSanitizer build.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROVAN_SANITIZE=thread \
  -DROVAN_BUILD_GUI=OFF -DROVAN_BUILD_BENCH=OFF >/dev/null
mapfile -t thread_programs < <(cmake --build build-tsan --target help | sed -n 's/^\(test_[A-Za-z0-9_]*_threads\):.*/\1/p')
./scripts/build.sh tsan "${thread_programs[@]}"
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -j "$jobs" -R '^threads[.]' --timeout 1800 --no-tests=error)
./scripts/fuzz.sh 30
echo "All tests passed."
