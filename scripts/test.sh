#!/usr/bin/env bash
# Builds everything and runs every test: native unit and program tests (sanitizers on), a short
# bounded fuzzing run of each file reader, then the Windows builds of the tests under Wine with
# code page 936 on a private virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
source scripts/wine-env.sh

fuzz_seconds=${ORVEL_FUZZ_SECONDS:-20}
passed=0
failed=0

# Adds the counts of ctest's closing line to the totals.
count_ctest() {
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1 || true)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    return
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j2 | tee build/native/ctest.log || true
count_ctest build/native/ctest.log

echo "== fuzzing the readers, ${fuzz_seconds}s each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus_seed="fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  [ -d "$corpus_seed" ] && cp -r "$corpus_seed"/. "$work"/
  if "$target" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -print_final_stats=0 \
      "$work" >"$work.log" 2>&1; then
    echo "$name: no crash in ${fuzz_seconds}s ($(grep -c . <(ls "$work")) inputs)"
    passed=$((passed + 1))
  else
    echo "$name: FAILED"; tail -n 40 "$work.log"
    failed=$((failed + 1))
  fi
  rm -rf "$work" "$work.log"
done

echo "== Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
wine_env_start
trap wine_env_stop EXIT
ctest --preset windows | tee build/windows/ctest.log || true
count_ctest build/windows/ctest.log
wine_env_stop
trap - EXIT

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
