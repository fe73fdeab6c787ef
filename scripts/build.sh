#!/usr/bin/env bash
# Configures and builds one build tree.
#   scripts/build.sh [release|asan|tsan] [TARGET...]   (default release, all targets)
# release: everything (program, rovan-cli, tests, benchmarks) in build/
# asan:    the core and its tests with AddressSanitizer + UndefinedBehaviorSanitizer in build-asan/
# tsan:    the core and its tests with ThreadSanitizer in build-tsan/
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-release}
jobs=${ROVAN_JOBS:-$(nproc)}
case "$kind" in
  release) dir=build; flags=(-DCMAKE_BUILD_TYPE=Release -DROVAN_WERROR=ON) ;;
  asan) dir=build-asan; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DROVAN_SANITIZE=address,undefined
                               -DROVAN_BUILD_GUI=OFF -DROVAN_BUILD_BENCH=OFF) ;;
  tsan) dir=build-tsan; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DROVAN_SANITIZE=thread
                               -DROVAN_BUILD_GUI=OFF -DROVAN_BUILD_BENCH=OFF) ;;
  *) echo "usage: $0 [release|asan|tsan]" >&2; exit 2 ;;
esac
shift || true
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$jobs" "${targets[@]}"
