#!/usr/bin/env bash
# Fuzzes the session-file reader and the two-phase table-file reader with
# libFuzzer (clang), each for a bounded time.
#   scripts/fuzz.sh [SESSION_SECONDS] [TABLE_SECONDS]   (defaults 60 and 30)
# A crashing session input is copied to tests/fixtures/session_regressions/,
# which the document tests read on every run; commit it with the fix. A crashing
# table input stays in build-fuzz/table_artifacts/: run build-fuzz/tablefile_fuzz
# on it to reproduce.
set -euo pipefail
cd "$(dirname "$0")/.."
session_seconds=${1:-60}
table_seconds=${2:-30}
out=build-fuzz
mkdir -p "$out/corpus" "$out/artifacts" "$out/table_corpus" "$out/table_artifacts" "$out/objects"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I. \
  tests/fuzz/session_fuzz.cpp document/SessionFile.cpp fileio/RegularFile.cpp -o "$out/session_fuzz"
clang++ -std=c++20 -O1 -I. tools/session_seeds.cpp document/SessionFile.cpp fileio/RegularFile.cpp \
  -o "$out/session_seeds"
"$out/session_seeds" "$out/corpus"
if ! "$out/session_fuzz" -max_total_time="$session_seconds" -max_len=32768 -timeout=10 \
     -artifact_prefix="$out/artifacts/" "$out/corpus" > "$out/fuzz.log" 2>&1; then
  tail -40 "$out/fuzz.log"
  cp "$out"/artifacts/* tests/fixtures/session_regressions/ 2>/dev/null || true
  echo "The session-file fuzzer found a failing input (copied to tests/fixtures/session_regressions/)." >&2
  exit 1
fi
tail -3 "$out/fuzz.log"

# The table reader under the sanitizers and coverage; what only builds the valid
# tables it starts from is compiled plain and optimised. The reader's checks run
# over millions of entries per input, so comparisons are not traced and the
# per-access pointer checks are left to AddressSanitizer (a third of the time).
table_builders=(TwoPhaseTables PruneTable Coordinates PermIndex CKube MovesPhase1 Phase1Tables)
objects=()
for name in "${table_builders[@]}"; do
  clang++ -std=c++20 -O2 -I. -c "solvers/twophase/$name.cpp" -o "$out/objects/$name.o"
  objects+=("$out/objects/$name.o")
done
clang++ -std=c++20 -O2 -g -fsanitize=fuzzer,address,undefined -fno-sanitize=pointer-overflow,alignment,null,vptr \
  -fno-sanitize-coverage=trace-cmp -I. \
  tests/fuzz/tablefile_fuzz.cpp solvers/twophase/TableFile.cpp fileio/RegularFile.cpp "${objects[@]}" \
  -o "$out/tablefile_fuzz"
# Seeds, one per kind of input: a short whole file; byte changes in the tables
# and in the reserved block; entry changes out of range (a move entry, a zero
# pruning value off the goal) and in range.
seed() { printf "$2" > "$out/table_corpus/seed-$1"; }
seed whole '\x00ZQT18\x00\x00\x00'
seed bytes '\x01\x0f\x88\x1e\x00\x01'
seed reserved '\x01\x64\x00\x00\x00\xff'
seed move '\x02\x01\x05\x00\x00\x00\x18\x00'
seed prune '\x02\x03\x00\x00\x00\x00\x00\x00'
seed fits '\x02\x00\x07\x00\x00\x00\x01\x00\x04\x10\x00\x00\x00\x11\x00'
# A valid table file saves building the tables first (the release tests leave one).
if [ -f build/RVTomsel.pro ]; then export ROVAN_TABLE_FILE=build/RVTomsel.pro; fi
if ! "$out/tablefile_fuzz" -max_total_time="$table_seconds" -max_len=64 -len_control=0 -timeout=60 -rss_limit_mb=4096 \
     -artifact_prefix="$out/table_artifacts/" "$out/table_corpus" > "$out/table_fuzz.log" 2>&1; then
  tail -40 "$out/table_fuzz.log"
  echo "The table-file fuzzer found a failing input (in $out/table_artifacts/)." >&2
  exit 1
fi
tail -3 "$out/table_fuzz.log"
