# Sourced by the scripts that run Windows programs: a fresh private Wine prefix with code page 936
# on a private virtual display. Call wine_env_start first and wine_env_stop when done.

wine_env_start() {
  WINE_ENV_DIR=$(mktemp -d /tmp/orvel-wine.XXXXXX)
  export WINEPREFIX="$WINE_ENV_DIR/prefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  # No Mono or Gecko: nothing of ours needs them and their installers would ask to download.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

  if [ -z "${ORVEL_DISPLAY:-}" ]; then
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB=$!
    local n
    read -r -t 20 n <&"$fd" || { echo "Xvfb did not start" >&2; return 1; }
    exec {fd}<&-
    export DISPLAY=":$n"
  else
    export DISPLAY="$ORVEL_DISPLAY"
  fi
  wineboot --init >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
}

wine_env_stop() {
  wineserver -k 2>/dev/null || true
  [ -n "${WINE_ENV_XVFB:-}" ] && kill "$WINE_ENV_XVFB" 2>/dev/null && wait "$WINE_ENV_XVFB" 2>/dev/null
  [ -n "${WINE_ENV_DIR:-}" ] && rm -rf "$WINE_ENV_DIR"
  WINE_ENV_XVFB= WINE_ENV_DIR=
}
