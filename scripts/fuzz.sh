#!/usr/bin/env bash
# Fuzzes with libFuzzer (clang, AddressSanitizer + UndefinedBehaviorSanitizer)
# for a bounded time each:
#   session  the session-file reader
#   tables   the two-phase table-file reader
#   routes   every solving route (refuse, or give moves that solve the cube)
#   scripts/fuzz.sh [SECONDS] [TARGET...]   (default 60 seconds, every target)
# A failing session input is copied to tests/fixtures/session_regressions/,
# which the document tests read on every run; commit it with the fix. Other
# failing inputs stay in build-fuzz/artifacts/; replay one with the target's
# plain build (build/tests/<target>_fuzz FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(session tables routes)
jobs=${ROVAN_JOBS:-$(nproc)}
out=build-fuzz
mkdir -p "$out/artifacts"

programs=()
for target in "${targets[@]}"; do
  case "$target" in
    session) programs+=(session_fuzz tool_session_seeds) ;;
    tables) programs+=(tablefile_fuzz) ;;
    routes) programs+=(routes_fuzz) ;;
    *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
  esac
done
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DROVAN_SANITIZE=address,undefined,fuzzer-no-link -DROVAN_FUZZ=ON \
  -DROVAN_BUILD_GUI=OFF -DROVAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" -j "$jobs" --target "${programs[@]}"

# The release tests leave a valid table file: it saves building the tables first.
tables_file=""
if [ -f build/RVTomsel.pro ]; then tables_file=$PWD/build/RVTomsel.pro; fi

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
  echo "$name: $(tail -1 "$out/$name.log")"
}

for target in "${targets[@]}"; do
  case "$target" in
    session)
      mkdir -p "$out/corpus-session"
      "$out/tools/tool_session_seeds" "$out/corpus-session"
      run session tests/fixtures/session_regressions/ -max_len=32768 -timeout=10 ;;
    tables)
      # Seeds, one per kind of input: a short whole file; byte changes in the
      # tables and in the reserved block; entry changes out of range (a move
      # entry, a zero pruning value off the goal) and in range.
      mkdir -p "$out/corpus-tablefile"
      seed() { printf "$2" > "$out/corpus-tablefile/seed-$1"; }
      seed whole '\x00ZQT18\x00\x00\x00'
      seed bytes '\x01\x0f\x88\x1e\x00\x01'
      seed reserved '\x01\x64\x00\x00\x00\xff'
      seed move '\x02\x01\x05\x00\x00\x00\x18\x00'
      seed prune '\x02\x03\x00\x00\x00\x00\x00\x00'
      seed fits '\x02\x00\x07\x00\x00\x00\x01\x00\x04\x10\x00\x00\x00\x11\x00'
      ROVAN_TABLE_FILE=$tables_file run tablefile "" -max_len=64 -len_control=0 -timeout=60 -rss_limit_mb=4096 ;;
    routes)
      ROVAN_FUZZ_TABLES=$tables_file run routes "" -max_len=400 -timeout=120 -rss_limit_mb=4096 ;;
  esac
done
