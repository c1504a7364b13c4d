#!/usr/bin/env bash
# Runs a Windows test program under Wine on a virtual display, inside a network namespace
# of its own where the ICMP responder answers the loopback addresses of its table.
#   wine-test.sh BUILD_DIR TEST_EXE [gtest arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1; exe=$2; shift 2
responder=${VNT_RESPONDER:-$root/build/native/icmp_responder}
if [ ! -x "$responder" ]; then
  mkdir -p "$build/tools"
  cc -O2 -Wall -Wextra -Werror -o "$build/tools/icmp_responder" "$root/tools/icmp_responder.c"
  responder=$build/tools/icmp_responder
fi
source "$root/scripts/wine-env.sh"
wine_prefix "$build"
"$(dirname "$WINE64")/wineserver" -k 2>/dev/null || true
export VNT_ROOT=$root VNT_BUILD=$build VNT_RESPONDER_BIN=$responder
exec unshare -n bash -c '
  set -e
  ip link set lo up
  sysctl -qw net.ipv4.icmp_echo_ignore_all=1
  "$VNT_RESPONDER_BIN" "$VNT_ROOT/tests/win/responder.table" 900 & responder=$!
  trap "kill $responder 2>/dev/null; \"$(dirname "$WINE64")/wineserver\" -k 2>/dev/null || true" EXIT
  cd "$VNT_BUILD"
  xvfb-run -a -s "-screen 0 1024x768x24" "$WINE64" "$0" "$@"
' "$exe" "$@"
