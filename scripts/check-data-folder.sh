#!/usr/bin/env bash
# One place decides the data folder (src/program/data_folder.cpp); every file the programs read
# and write is found from it. Fails when other code asks for the executable's folder or path, or
# the working folder, the bases that place chooses between.
#
#   bash scripts/check-data-folder.sh [SRC]
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
pattern='\b(ProgramFolder|ProgramPath)\(\)|current_path\('
calls=$(grep -rnE "$pattern" "$src" --include='*.cpp' --include='*.h' | sed "s|^$src/*||")
# The platform defines them; auto-start's target is the executable itself, not a file it keeps.
others=$(grep -vE '^(platform/|program/data_folder\.cpp:|desktop/auto_start\.cpp:)' <<<"$calls" ||
  true)
if [ -n "$others" ]; then
  echo "Files found from another base than the data folder (program/data_folder.h):" >&2
  echo "$others" >&2
  exit 1
fi
# And the one place is there: a pattern that finds nothing proves nothing.
if ! grep -q '^program/data_folder\.cpp:' <<<"$calls"; then
  echo "program/data_folder.cpp no longer asks for the program folder; is the pattern stale?" >&2
  exit 1
fi
echo "One base: program/data_folder.cpp."
