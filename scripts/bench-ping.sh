#!/usr/bin/env bash
# Benchmark of a Ping All over 20 responder addresses with known delays, under Wine.
#   bench-ping.sh [ECHOES_PER_SERVER]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset native >/dev/null && cmake --build --preset native --target icmp_responder >/dev/null
cmake --preset win64 >/dev/null && cmake --build --preset win64 -j"$(nproc)" --target vnt_bench_ping >/dev/null
bash scripts/wine-test.sh "$PWD/build/win64" "$PWD/build/win64/vnt_bench_ping.exe" "${1:-3}" 2>&1 | grep -v '^X connection'
