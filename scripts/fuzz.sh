#!/usr/bin/env bash
# Fuzzes with libFuzzer (clang, AddressSanitizer + UndefinedBehaviorSanitizer)
# for a bounded time each:
#   session  the session-file reader
#   routes   every solving route (refuse, or give moves that solve the cube)
#   scripts/fuzz.sh [SECONDS] [TARGET...]   (default 60 seconds, every target)
# A failing session input is copied to tests/fixtures/session_regressions/,
# which the document tests read on every run; commit it with the fix. A failing
# route input stays in build-fuzz/artifacts/ (replay it with the target's
# plain build: build/tests/routes_fuzz FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(session routes)
jobs=${ROVAN_JOBS:-$(nproc)}
out=build-fuzz
mkdir -p "$out/artifacts"

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DROVAN_SANITIZE=address,undefined,fuzzer-no-link -DROVAN_FUZZ=ON \
  -DROVAN_BUILD_GUI=OFF -DROVAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" -j "$jobs" --target "${targets[@]/%/_fuzz}" tool_session_seeds

# Runs one target; on failure prints the log's end and copies its inputs.
run() {
  local name=$1 keep=$2
  shift 2
  mkdir -p "$out/corpus-$name"
  if ! "$out/tests/${name}_fuzz" -max_total_time="$seconds" -artifact_prefix="$out/artifacts/" "$@" \
       "$out/corpus-$name" > "$out/$name.log" 2>&1; then
    tail -40 "$out/$name.log"
    [ -z "$keep" ] || cp "$out"/artifacts/* "$keep" 2>/dev/null || true
    echo "The $name fuzzer found a failing input (in $out/artifacts/${keep:+ and $keep})." >&2
    exit 1
  fi
  tail -3 "$out/$name.log"
}

for target in "${targets[@]}"; do
  case "$target" in
    session)
      mkdir -p "$out/corpus-session"
      "$out/tools/tool_session_seeds" "$out/corpus-session"
      run session tests/fixtures/session_regressions/ -max_len=32768 -timeout=10 ;;
    routes)
      # The release build's table file, when the tests have made it.
      if [ -f build/RVTomsel.pro ]; then export ROVAN_FUZZ_TABLES=$PWD/build/RVTomsel.pro; fi
      run routes "" -max_len=400 -timeout=120 -rss_limit_mb=4096 ;;
    *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
  esac
done
