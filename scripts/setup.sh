#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian machine (as root).
set -euo pipefail
pkgs=(cmake g++ make googletest g++-mingw-w64-x86-64 g++-mingw-w64-i686
      wine wine64 xvfb xauth imagemagick fp-utils iproute2 procps file x11-utils)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
