#!/usr/bin/env bash
# Fails when a Windows program imports a function that scripts/windows7-imports.txt does not
# list, that is one nobody has checked to exist in Windows 7.
# Usage: check-imports.sh PROGRAM.exe...  (OBJDUMP names the mingw-w64 objdump to use)
set -euo pipefail
list="$(dirname "$0")/windows7-imports.txt"
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
(($#)) || { echo "usage: $0 PROGRAM.exe..." >&2; exit 2; }

# "dll function" for each entry of the import tables; an import by ordinal has no name and ends
# up as something the list does not hold.
imports_of() {
  "$objdump" -p "$1" | awk '
    /^The |^PE File/ { dll = "" }
    /^\tDLL Name:/ { dll = tolower($3); next }
    /^\tvma:/ { next }
    dll != "" && /^\t[0-9a-f]+\t/ { n = split($0, f, /[ \t]+/); print dll, f[n] }'
}

known=$(sed 's/#.*//' "$list" | awk 'NF { print $1, $2 }' | sort -u)
status=0
for exe in "$@"; do
  imports=$(imports_of "$exe" | sort -u)
  if [ -z "$imports" ]; then
    echo "$exe: no import table found" >&2
    status=1
    continue
  fi
  unknown=$(comm -23 <(echo "$imports") <(echo "$known"))
  if [ -n "$unknown" ]; then
    echo "$exe imports functions not checked to exist in Windows 7 ($list):" >&2
    sed 's/^/  /' <<<"$unknown" >&2
    status=1
  else
    echo "$(basename "$exe"): $(wc -l <<<"$imports") imports, all in Windows 7"
  fi
done
exit "$status"
