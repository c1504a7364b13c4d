#!/usr/bin/env bash
# The real program on a fresh Wine prefix, driven from outside: it opens bnet.vnt of
# responder addresses, pings it with real echoes, shows its menus (screenshots saved),
# is closed by a window message, and leaves its settings in the registry.
#   exe-test.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
work=$build/exe-test
rm -rf "$work" && mkdir -p "$work/run"
responder=${VNT_RESPONDER:-$root/build/native/icmp_responder}
if [ ! -x "$responder" ]; then
  cc -O2 -Wall -Wextra -Werror -o "$work/icmp_responder" "$root/tools/icmp_responder.c"
  responder=$work/icmp_responder
fi
printf '127.0.0.5\r\n127.0.0.2\r\n127.0.0.3,4\r\n127.0.0.4\r\n127.0.0.6\r\n127.0.0.7\r\n' > "$work/run/bnet.vnt"
source "$root/scripts/wine-env.sh"
export WINEPREFIX=$work/prefix
export VNT_ROOT=$root VNT_BUILD=$build VNT_WORK=$work VNT_RESPONDER_BIN=$responder

unshare -n bash -c '
  set -e
  ip link set lo up
  sysctl -qw net.ipv4.icmp_echo_ignore_all=1
  "$VNT_RESPONDER_BIN" "$VNT_ROOT/tests/win/responder.table" 300 & responder=$!
  trap "kill $responder 2>/dev/null || true" EXIT
  source "$VNT_ROOT/scripts/wine-env.sh"
  xvfb-run -a -s "-screen 0 800x600x24" bash -c "
    set -e
    source \"\$VNT_ROOT/scripts/wine-env.sh\"
    wine_prefix \"\$VNT_WORK\" 
    cd \"\$VNT_WORK/run\"
    cp \"\$VNT_BUILD/vantorel.exe\" \"\$VNT_BUILD/vntr.chm\" .
    \"\$WINE64\" ./vantorel.exe & program=\$!
    probe() { \"\$WINE64\" \"\$VNT_BUILD/vnt_probe.exe\" \"\$@\"; }
    close_menus() { probe key esc; probe key esc; sleep 0.5; }
    probe wait \"VNTR - bnet.vnt\" 60
    probe idle 60
    probe list > \"\$VNT_WORK/list.txt\"
    import -window root \"\$VNT_WORK/main-window.png\"
    probe menu t; sleep 1.5
    import -window root \"\$VNT_WORK/tools-menu.png\"
    close_menus
    probe menu f; sleep 1.5
    import -window root \"\$VNT_WORK/file-menu.png\"
    close_menus
    probe menu t; sleep 0.5; probe key o; sleep 1.5
    import -window root \"\$VNT_WORK/options.png\"
    probe close-window Options; sleep 0.5
    probe menu e; sleep 0.5; probe key a; sleep 1.5
    import -window root \"\$VNT_WORK/add-server.png\"
    probe close-window \"Add Server\"; sleep 0.5
    probe close
    for i in \$(seq 1 50); do kill -0 \$program 2>/dev/null || break; sleep 0.2; done
    ! kill -0 \$program 2>/dev/null
    \"\$WINE64\" reg query \"HKLM\\\\Software\\\\Vantorel\" > \"\$VNT_WORK/registry.txt\"
    \"\$(dirname \"\$WINE64\")/wineserver\" -k || true
  "
'

fail=0
report() {  # passed (0) or not, what
  if [ "$1" = 0 ]; then echo "ok   $2"; else echo "FAIL $2"; fail=1; fi
}
check() {  # file, extended regex, what
  grep -qE "$2" "$1" && report 0 "$3" || report 1 "$3"
}
tr -d '\r' < "$work/list.txt" > "$work/list.clean"
tr -d '\r' < "$work/registry.txt" > "$work/registry.clean"
cat "$work/list.clean"
# A reply never comes before its delay; a late one (machine under load) is accepted while
# its colour cannot change.
check_row() {  # name, lowest time, highest time, state code, selected, what
  awk -F'|' -v n="$1" -v lo="$2" -v hi="$3" -v c="$4" -v s="$5" \
    '$1 == n && $2 != "" && $2 + 0 >= lo && $2 + 0 <= hi && $3 == c && $4 == s { found = 1 } END { exit !found }' \
    "$work/list.clean" && report 0 "$6" || report 1 "$6"
}
check_row 127.0.0.2 1 40 1 selected "0 ms server: 1 ms, green, selected (Fastest)"
check_row 127.0.0.3 148 190 5 "" "150 ms marked server: green, mark kept"
check_row 127.0.0.4 298 390 2 "" "300 ms server: yellow"
check_row 127.0.0.5 448 490 3 "" "450 ms server: red"
check "$work/list.clean" '^127\.0\.0\.6\|\|4\|$' "silent server: unreachable, no time"
check "$work/list.clean" '^127\.0\.0\.7\|\|4\|$' "short replies: unreachable, no time"
for value in "WindowTop REG_SZ 108" "WindowLeft REG_SZ 192" "WindowWidth REG_SZ 203" "WindowHeight REG_SZ 273" \
             "WindowColumnWidthServer REG_SZ 125" "WindowColumnWidthPing REG_SZ 50" "SortMethod REG_SZ 2" \
             "LastFile REG_SZ bnet.vnt"; do
  set -- $value
  check "$work/registry.clean" "^ +$1 +$2 +$3\$" "registry: $value"
done
echo "Screenshots: $work/main-window.png $work/tools-menu.png $work/file-menu.png $work/options.png $work/add-server.png"
exit $fail
