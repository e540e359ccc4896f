#!/usr/bin/env bash
# Builds the per-machine Windows Installer package from a folder laid out as the release ZIP
# (Orvel2.exe, Schedule.exe, hlp\, scd\Schedule.csv), with msitools' wixl and msibuild:
#
#   bash scripts/make-msi.sh FOLDER VERSION OUT.msi
set -euo pipefail
if [ $# -ne 3 ]; then
  echo "usage: $0 FOLDER VERSION OUT.msi" >&2
  exit 2
fi
folder=$1 version=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d /tmp/orvel-msi.XXXXXX)
trap 'rm -rf "$work"' EXIT
# wixl finds sources only beside the .wxs.
cp -r "$folder"/. "$work"/
cp "$root/packaging/orvel2.wxs" "$work/"
(cd "$work" && wixl -a x64 -D Version="$version" -o package.msi orvel2.wxs)
msi="$work/package.msi"

# What wixl 0.101 cannot write, set in the tables afterwards.
value() { msiinfo export "$msi" "$1" | tr -d '\r' | awk -F '\t' -v k="$2" '$1 == k { print $'"$3"' }'; }
secure="$(value Property SecureCustomProperties 2)"
secure="${secure:+$secure;}FOLLOW;CLASS;EVERY;EDITION;DATADIR;STRIP;SPEECH;TIMESERVERS"
data_attributes=$(($(value Component DataFolder 4) | 16))  # msidbComponentAttributesPermanent
apply_step=$(value InstallExecuteSequence ApplySettings 3)
# Deferred (1024), as the system (2048), result ignored (64), an exe run in a directory (34). The
# SID names the Users group in every language of Windows.
grant_type=$((34 + 64 + 1024 + 2048))
grant_command='"[System64Folder]icacls.exe" "[DATADIR]." /grant *S-1-5-32-545:(OI)(CI)M /T /C /Q'
msibuild "$msi" \
  -q "UPDATE Property SET Value = '$secure' WHERE Property = 'SecureCustomProperties'" \
  -q "UPDATE Component SET Attributes = $data_attributes WHERE Component = 'DataFolder'" \
  -q "UPDATE Component SET Condition = 'EDITION = \"Orvel2\"' WHERE Component = 'StartOrvel2'" \
  -q "UPDATE Component SET Condition = 'EDITION = \"Schedule\"' WHERE Component = 'StartSchedule'" \
  -q "INSERT INTO CustomAction (Action, Type, Source, Target) VALUES ('GrantUsers', $grant_type, 'DATADIR', '$grant_command')" \
  -q "INSERT INTO InstallExecuteSequence (Action, Condition, Sequence) VALUES ('GrantUsers', 'NOT REMOVE~=\"ALL\"', $((apply_step + 1)))"
mv "$msi" "$out"
