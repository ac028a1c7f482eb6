#!/usr/bin/env bash
# Builds both targets (32-bit shipped exe, 64-bit test build), the native checks of the
# portable logic, and runs every test. Sets up the machine and the Wine prefix first.
# Usage: scripts/test.sh        (idempotent; safe to run again)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
JOBS=${JOBS:-$(nproc)}

bash scripts/setup-machine.sh

echo "== build: 32-bit (shipped)"
cmake -S . -B build/i686 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build/i686 -j "$JOBS"

echo "== build: 64-bit (tests)"
cmake -S . -B build/x86_64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/x86_64 -j "$JOBS"

bash scripts/check-binaries.sh build/i686/Morvane.exe build/x86_64/Morvane.exe

status=0
if [ -f tests/native/CMakeLists.txt ]; then
  echo "== native: portable logic with sanitizers and fuzzing"
  cmake -S tests/native -B build/native -G Ninja >/dev/null
  cmake --build build/native -j "$JOBS"
  ctest --test-dir build/native --output-on-failure -j "$JOBS" || status=1
fi

echo "== tests under Wine"
source scripts/wine-env.sh 2>/dev/null
wine_prefix_ready test
wine_display_ready
trap wine_shutdown EXIT
wine_keep_alive
ctest --test-dir build/x86_64 --output-on-failure -j "$JOBS" || status=1
exit $status
