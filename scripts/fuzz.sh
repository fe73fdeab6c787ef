#!/usr/bin/env bash
# Fuzzes the session-file reader with libFuzzer (clang) for a bounded time.
#   scripts/fuzz.sh [SECONDS]   (default 60)
# A crashing input is copied to tests/fixtures/session_regressions/, which the
# document tests read on every run; commit it with the fix.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build-fuzz
mkdir -p "$out/corpus" "$out/artifacts"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I. \
  tests/fuzz/session_fuzz.cpp document/SessionFile.cpp -o "$out/session_fuzz"
clang++ -std=c++20 -O1 -I. tools/session_seeds.cpp document/SessionFile.cpp -o "$out/session_seeds"
"$out/session_seeds" "$out/corpus"
if ! "$out/session_fuzz" -max_total_time="$seconds" -max_len=32768 -timeout=10 \
     -artifact_prefix="$out/artifacts/" "$out/corpus" > "$out/fuzz.log" 2>&1; then
  tail -40 "$out/fuzz.log"
  cp "$out"/artifacts/* tests/fixtures/session_regressions/ 2>/dev/null || true
  echo "The session-file fuzzer found a failing input (copied to tests/fixtures/session_regressions/)." >&2
  exit 1
fi
tail -3 "$out/fuzz.log"
