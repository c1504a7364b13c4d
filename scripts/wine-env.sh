# Sourced: the Wine command and a prefix of the project's own inside the build folder.
export WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine_prefix() {  # $1: build dir
  export WINEPREFIX="$1/wineprefix"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    # No window manager on a virtual display: Wine draws the frames and captions itself.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    # Debian's Wine does not look in its own font folder, so the caption buttons would fall
    # back to letters without Marlett; fonts in the prefix's Fonts folder are always loaded.
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    "$(dirname "$WINE64")/wineserver" -w 2>/dev/null || true
  fi
}
