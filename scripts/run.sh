#!/usr/bin/env bash
# Builds the 64-bit program and starts it under Wine. Without a display it runs on a
# virtual one, saves a screenshot of the main window, says where, and closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target vantorel
build=$PWD/build/win64
source scripts/wine-env.sh

if [ -n "${DISPLAY:-}" ]; then
  wine_prefix "$build"
  cd "$build" && exec "$WINE64" ./vantorel.exe
fi

shot=${VNT_SCREENSHOT:-$build/vantorel-main.png}
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  source scripts/wine-env.sh
  wine_prefix "$1"
  cd "$1"
  "$WINE64" ./vantorel.exe & pid=$!
  for i in $(seq 1 60); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"VNTR" && break
    sleep 0.5
  done
  sleep 2
  import -window root "$2"
  "$WINE64" taskkill /IM vantorel.exe >/dev/null 2>&1 || true
  for i in $(seq 1 20); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
  kill $pid 2>/dev/null || true
  "$(dirname "$WINE64")/wineserver" -k 2>/dev/null || true
' _ "$build" "$shot"
echo "Screenshot of the main window: $shot"
