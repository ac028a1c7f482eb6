#!/usr/bin/env bash
# Builds Morvane and runs it under Wine against a demo IDE installation that this script
# creates and registers in its own Wine prefix (build/demo-prefix). With a display the
# window opens there; without one it runs under Xvfb and a screenshot is saved.
# Usage: scripts/run.sh [screenshot.png]      (idempotent)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
SHOT=${1:-$ROOT/build/morvane-screenshot.png}

bash scripts/setup-machine.sh

echo "== build (64-bit: the build this machine can run)"
cmake -S . -B build/x86_64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/x86_64 --target Morvane -j "$(nproc)"

export WINEPREFIX=$ROOT/build/demo-prefix
source scripts/wine-env.sh 2>/dev/null
wine_prefix_ready

# A demo IDE: a placeholder program, its tools directory and the linker it ships.
IDE="$WINEPREFIX/drive_c/Program Files/DemoIDE"
mkdir -p "$IDE/tools" "$IDE/VC98linker/Bin"
[ -f "$IDE/e.exe" ] || printf 'placeholder IDE program\r\n' >"$IDE/e.exe"
[ -f "$IDE/VC98linker/Bin/link.exe" ] || printf 'placeholder linker\r\n' >"$IDE/VC98linker/Bin/link.exe"
"$WINE64" reg add 'HKCU\Software\Classes\.e' /ve /d 'DemoIDE.Source' /f >/dev/null 2>&1
"$WINE64" reg add 'HKCU\Software\Classes\DemoIDE.Source\Shell\Open\Command' /ve \
  /d '"C:\Program Files\DemoIDE\e.exe" "%1"' /f >/dev/null 2>&1
echo "demo IDE: C:\\Program Files\\DemoIDE (registered for .e files)"
# Wine's desktop process binds to the display it starts with: let this display-less
# session end before the program starts.
"$WINESERVER" -w

EXE=$ROOT/build/x86_64/Morvane.exe
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "== running Morvane on $DISPLAY (close the window to finish)"
  "$WINE64" "$EXE"
else
  wine_display_ready
  trap wine_shutdown EXIT
  xsetroot -solid '#cfd6de' 2>/dev/null || true  # a light desktop shows the drop shadow
  echo "== running Morvane headless on Xvfb $DISPLAY"
  "$WINE64" "$EXE" &
  app=$!
  for _ in $(seq 1 200); do
    win=$(xdotool search --onlyvisible --name '^Morvane$' 2>/dev/null | head -n 1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || echo "Morvane's window did not appear" >&2
  sleep 1.5  # let the window fade in
  mkdir -p "$(dirname "$SHOT")"
  /usr/bin/import -window root -crop 400x320+0+0 +repage "$SHOT"
  echo "screenshot: $SHOT"
  [ -n "$win" ] && xdotool windowclose "$win" 2>/dev/null || true
  for _ in $(seq 1 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill "$app" 2>/dev/null || true
fi
INI="$IDE/tools/link.ini"
if [ -f "$INI" ]; then
  echo "link.ini: $(iconv -f GBK -t UTF-8 "$INI" | grep -m1 '^linker=')"
fi
