#!/usr/bin/env bash
# The cost of following a published timetable, measured: the school's web server of the tests
# (tests/windows/follow_server.py) on 127.0.0.1, and follow_bench.exe under Wine fetching and
# applying SOURCES classes' timetables through the programs' own path, twice (in full, then
# unchanged). Needs the Windows build (cmake --build build/windows --target follow_bench).
#   bash bench/follow_bench.sh [SOURCES]
set -euo pipefail
cd "$(dirname "$0")/.."
sources=${1:-1000}
bench=build/windows/bench/follow_bench.exe
[ -f "$bench" ] || { echo "build it first: cmake --build build/windows --target follow_bench" >&2; exit 1; }
state=$(mktemp -d /tmp/orvel-follow-bench.XXXXXX)
source scripts/wine-env.sh
wine_env_start
cleanup() {
  python3 tests/windows/follow_server.py stop "$state/state" || true
  wine_env_stop
  rm -rf "$state"
}
trap cleanup EXIT
python3 tests/windows/follow_server.py start "$state/root" "$state/state"
wine "$bench" "http://127.0.0.1:$(cat "$state/state/port")" "$sources"
