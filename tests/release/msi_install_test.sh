#!/usr/bin/env bash
# The MSI as a school's IT installs it, under Wine's msiexec in a fresh prefix of its own: a
# silent install with a followed address installs into Program Files and names the data folder;
# the installed Orvel2 starts, shows the sample timetable and fetches the class's timetable into
# the data folder, leaving Program Files as installed; a changed timetable survives an upgrade to
# a higher version; uninstalling removes the program and keeps the data folder.
#
#   msi_install_test.sh ORVEL2_EXE SCHEDULE_EXE SAMPLE_CSV HELP_DIR VERSION
# Runs on a display (scripts/wine-env.sh); touches nothing outside its temporary folder.
set -euo pipefail
orvel2_exe=$1 schedule_exe=$2 sample=$3 help=$4 version=$5
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

tmp=$(mktemp -d /tmp/orvel-msi-test.XXXXXX)
state="$tmp/server"
cleanup() {
  wineserver -k 2>/dev/null || true
  python3 "$root/tests/windows/follow_server.py" stop "$state" >/dev/null 2>&1 || true
  rm -rf "$tmp"
}
trap cleanup EXIT
failed=0
fail() {
  echo "FAILED: $*" >&2
  failed=1
}

# The release's layout, and two packages: this version and a higher one.
stage="$tmp/stage"
mkdir -p "$stage/hlp" "$stage/scd"
cp "$orvel2_exe" "$schedule_exe" "$stage/"
cp "$help/readme.txt" "$help/scdhlp.chm" "$stage/hlp/"
cp "$sample" "$stage/scd/Schedule.csv"
IFS=. read -r major minor patch <<<"$version"
higher="$major.$minor.$((patch + 1))"
bash "$root/scripts/make-msi.sh" "$stage" "$version" "$tmp/old.msi"
bash "$root/scripts/make-msi.sh" "$stage" "$higher" "$tmp/new.msi"

secure=$(msiinfo export "$tmp/old.msi" Property | tr -d '\r' | awk -F '\t' '$1 == "SecureCustomProperties" { print $2 }')
for property in FOLLOW CLASS EVERY EDITION DATADIR STRIP SPEECH TIMESERVERS; do
  [[ ";$secure;" == *";$property;"* ]] || fail "SecureCustomProperties ($secure) lacks $property"
done

# The school's server, with the class's timetable.
mkdir -p "$state" "$tmp/root/tt"
python3 "$root/tests/windows/follow_server.py" start "$tmp/root" "$state"
port=$(cat "$state/port")
python3 -c 'import sys, urllib.request; open(sys.argv[2], "wb").write(urllib.request.urlopen(sys.argv[1], timeout=10).read())' \
  "http://127.0.0.1:$port/gen/8-3.yaml" "$tmp/root/tt/8-3.yaml"

export WINEPREFIX="$tmp/prefix" WINEARCH=win64 WINEDEBUG=-all
wineboot --init >/dev/null 2>&1 || true
wineserver -w
drive="$WINEPREFIX/drive_c"
installed="$drive/Program Files/Orvel2"
data="$drive/ProgramData/Orvel2"
# The all-users Start menu on Windows; Wine's msiexec puts an ALLUSERS package's shortcuts in the
# installing user's menu, so the shortcuts are looked for in either.
menu_link() { find "$drive/ProgramData" "$drive/users" -path "*/Start Menu/Programs/$1" 2>/dev/null | head -n 1; }
listing() { (cd "$1" && find . -type f -exec md5sum {} + | sort -k 2); }

wine msiexec /i "$(winepath -w "$tmp/old.msi")" /qn \
  "FOLLOW=http://127.0.0.1:$port/tt/{class}.yaml" CLASS=8-3 >/dev/null 2>&1 ||
  fail "msiexec /i ended with $?"
wineserver -w
for file in Orvel2.exe Schedule.exe hlp/scdhlp.chm hlp/readme.txt scd/Schedule.csv; do
  [ -f "$installed/$file" ] || fail "Program Files\\Orvel2\\$file was not installed"
done
for link in Orvel2/Orvel2.lnk Orvel2/Schedule.lnk StartUp/Orvel2.lnk; do
  [ -n "$(menu_link "$link")" ] || fail "no shortcut $link"
done
[ -z "$(menu_link StartUp/Schedule.lnk)" ] || fail "the classic edition starts with Windows too"
named=$(wine reg query 'HKLM\SOFTWARE\Orvel2' /v DataFolder /reg:64 2>/dev/null | tr -d '\r' |
  sed -n 's/.*REG_SZ *//p')
[[ "$named" == 'C:\ProgramData\Orvel2'* ]] || fail "the registry names the data folder as '$named'"
grep -q "tt/{class}.yaml" "$data/follow.ini" 2>/dev/null || fail "follow.ini was not written"
as_installed=$(listing "$installed")

# The installed program, started as a user starts it.
(cd "$installed" && exec wine Orvel2.exe >/dev/null 2>&1) &
program=$!
fetched=false
for _ in $(seq 60); do
  if grep -q "GET /tt/8-3.yaml 200" "$state/log" 2>/dev/null && ls "$data/scd" | grep -qv '^Schedule.csv$'; then
    fetched=true
    break
  fi
  sleep 1
done
$fetched || fail "Orvel2 did not fetch /tt/8-3.yaml into the data folder ($(ls "$data/scd" 2>&1))"
cmp -s "$data/scd/Schedule.csv" "$sample" || fail "the sample was not copied into the data folder"
import -display "$DISPLAY" -window root "$tmp/shot.png"
colours=$(identify -format %k "$tmp/shot.png")
[ "$colours" -ge 8 ] || fail "the installed Orvel2 shows nothing ($colours colours)"
kill -0 "$program" 2>/dev/null || fail "the installed Orvel2 ended by itself"
wineserver -k 2>/dev/null || true
wait "$program" 2>/dev/null || true
[ "$(listing "$installed")" == "$as_installed" ] || fail "Program Files changed while the program ran"

# A teacher's change, then the upgrade.
printf 'changed by a teacher\r\n' >>"$data/scd/Schedule.csv"
before=$(listing "$data")
wine msiexec /i "$(winepath -w "$tmp/new.msi")" /qn >/dev/null 2>&1 || fail "the upgrade ended with $?"
wineserver -w
[ "$(listing "$data")" == "$before" ] || fail "the upgrade changed the data folder"
old_code=$(msiinfo export "$tmp/old.msi" Property | tr -d '\r' | awk -F '\t' '$1 == "ProductCode" { print $2 }')
if wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$old_code" /reg:64 >/dev/null 2>&1; then
  fail "the older version is still installed beside the newer"
fi

wine msiexec /x "$(winepath -w "$tmp/new.msi")" /qn >/dev/null 2>&1 || fail "msiexec /x ended with $?"
wineserver -w
[ ! -e "$installed/Orvel2.exe" ] || fail "uninstalling left Orvel2.exe"
[ -z "$(menu_link Orvel2/Orvel2.lnk)" ] || fail "uninstalling left the Start-menu shortcut"
[ -z "$(menu_link StartUp/Orvel2.lnk)" ] || fail "uninstalling left the start-up shortcut"
[ "$(listing "$data")" == "$before" ] || fail "uninstalling changed the data folder"

[ "$failed" -eq 0 ] && echo "installed, started, fetched, upgraded and removed; the data folder kept"
exit "$failed"
