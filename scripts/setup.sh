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
