#!/usr/bin/env bash
# Installs everything that building, testing and running the programs needs on Debian.
# Idempotent: a second run changes nothing.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev libbenchmark-dev   # native build and tests
  g++-mingw-w64-x86-64-posix                                 # Windows cross build
  wine wine64                                                # run the Windows programs
  xvfb xdotool imagemagick x11-utils                         # virtual display, input, screenshots
  locales fonts-wqy-microhei                                 # code page 936 and Chinese glyphs
  clang                                                      # libFuzzer targets
  fp-utils                                                   # chmcmd, the help compiler
  dpkg-dev                                                   # apt-get source (third-party sources)
  python3-jsonschema python3-yaml                            # CSES exports checked against the schema
  wixl msitools                                              # the MSI: wixl builds, msibuild amends
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives code page 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi

# Third-party sources built with every build of the tree (the Windows target has no Debian
# library to link): Debian's source packages, unpacked into the git-ignored third_party/.
# apt-get source needs a deb-src entry for the machine's release; one is added, copied from the
# machine's own deb entry of that release (same mirror, components and key), when none exists.
add_deb_src() {
  local codename lists=() sources=() f
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || { echo "setup.sh: no Debian release name in /etc/os-release" >&2; return 1; }
  [ -f /etc/apt/sources.list ] && lists+=(/etc/apt/sources.list)
  for f in /etc/apt/sources.list.d/*.list; do [ -f "$f" ] && lists+=("$f"); done
  for f in /etc/apt/sources.list.d/*.sources; do [ -f "$f" ] && sources+=("$f"); done

  # Already there: a one-line deb-src entry, or a deb822 stanza whose Types name deb-src.
  if ((${#lists[@]})) && grep -Eqs '^[[:space:]]*deb-src[[:space:]]' "${lists[@]}"; then return 0; fi
  if ((${#sources[@]})) && grep -Eqis '^Types:.*deb-src' "${sources[@]}"; then return 0; fi

  local entry=""
  if ((${#sources[@]})); then
    # The first deb822 stanza of type deb whose Suites hold the release itself, Types rewritten.
    entry=$(awk -v rel="$codename" '
      function flush() {
        if (types ~ /(^|[ \t])deb([ \t]|$)/ && (" " suites " ") ~ (" " rel " ") && !done) {
          print "Types: deb-src"; printf "%s", body; done = 1
        }
        types = ""; suites = ""; body = ""
      }
      /^[ \t]*$/ { flush(); next }
      /^[ \t]*#/ { next }
      tolower($1) == "types:" { types = $0; sub(/^[^:]*:[ \t]*/, "", types); next }
      tolower($1) == "suites:" { suites = $0; sub(/^[^:]*:[ \t]*/, "", suites); gsub(/[ \t]+/, " ", suites)
                                 print_suites = "Suites: " rel; body = body print_suites "\n"; next }
      { body = body $0 "\n" }
      END { flush() }' "${sources[@]}")
  fi
  if [ -z "$entry" ] && ((${#lists[@]})); then
    # The first one-line deb entry of the release: "deb [options] URI suite components".
    entry=$(awk -v rel="$codename" '
      $1 == "deb" { i = 2; if ($2 ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                    if ($(i + 1) == rel) { sub(/^deb/, "deb-src"); print; exit } }' "${lists[@]}")
  fi
  [ -n "$entry" ] || { echo "setup.sh: no deb entry for $codename to copy a deb-src entry from" >&2; return 1; }

  local target=/etc/apt/sources.list.d/orvel-deb-src.list
  [[ "$entry" == Types:* ]] && target=/etc/apt/sources.list.d/orvel-deb-src.sources
  echo "setup.sh: adding a deb-src entry for $codename ($target)"
  printf '%s\n' "$entry" | "${sudo_cmd[@]}" tee "$target" >/dev/null
  "${sudo_cmd[@]}" apt-get update -qq
}

# fetch_source PACKAGE: unpacks Debian's source of PACKAGE into third_party/PACKAGE-VERSION/
# unless a version of it is already there.
fetch_source() {
  local package=$1 dir
  dir="$(cd "$(dirname "$0")/.." && pwd)/third_party"
  compgen -G "$dir/$package-*/CMakeLists.txt" >/dev/null && return 0
  add_deb_src
  mkdir -p "$dir"
  # apt-get source works in the current folder and leaves the .dsc and tarballs beside the tree.
  if ! (cd "$dir" && apt-get source -qq "$package" >/dev/null 2>&1); then
    "${sudo_cmd[@]}" apt-get update -qq
    (cd "$dir" && apt-get source -qq "$package" >/dev/null)
  fi
}

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
fetch_source libyaml
