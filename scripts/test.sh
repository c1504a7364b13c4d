#!/usr/bin/env bash
# Installs what is missing, builds the three presets and runs every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

cmake --preset native
cmake --build --preset native -j"$jobs"
ctest --preset native

cmake --preset win64
cmake --build --preset win64 -j"$jobs"
ctest --preset win64

# The release build for 32-bit Windows: built and linked; these machines cannot run it.
cmake --preset win32
cmake --build --preset win32 -j"$jobs"
file build/win32/vantorel.exe build/win64/vantorel.exe
file build/win32/vantorel.exe | grep -q 'PE32 executable'
file build/win64/vantorel.exe | grep -q 'PE32+ executable'
echo "All suites passed."
