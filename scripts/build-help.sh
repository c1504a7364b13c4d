#!/usr/bin/env bash
# Compiles the HTML Help sources ($1) into vntr.chm in the build folder ($2).
set -euo pipefail
rm -rf "$2/help" && cp -r "$1" "$2/help"
cd "$2/help"
chmcmd --no-html-scan vntr.hhp > chmcmd.log
cp vntr.chm "$2/vntr.chm"
