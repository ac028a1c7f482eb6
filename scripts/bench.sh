#!/usr/bin/env bash
# Builds the 64-bit targets, runs the frame benchmark under Wine and writes frame
# snapshots (build/snapshots/*.png).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
bash scripts/setup-machine.sh
cmake -S . -B build/x86_64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/x86_64 --target bench_frame frame_snapshot -j "$(nproc)"
source scripts/wine-env.sh 2>/dev/null
wine_prefix_ready test
wine_display_ready
trap wine_shutdown EXIT
wine_keep_alive
"$WINE64" build/x86_64/tests/bench_frame.exe
# What the frames look like, composited over a light desktop (PNG files for review).
mkdir -p build/snapshots
"$WINE64" build/x86_64/tests/frame_snapshot.exe "Z:${ROOT//\//\\}\\build\\snapshots"
