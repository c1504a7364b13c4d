# Sourced: the Wine command and a prefix of the project's own inside the build folder.
WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine_prefix() {  # $1: build dir
  export WINEPREFIX="$1/wineprefix"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    "$(dirname "$WINE64")/wineserver" -w 2>/dev/null || wineserver -w 2>/dev/null || true
  fi
}
