# Sourced by the project's scripts: a project-local 64-bit Wine prefix with the Chinese
# (GBK) ANSI code page, a CJK font standing in for "宋体", and an X display.
# Usage: source scripts/wine-env.sh; wine_prefix_ready; wine_display_ready; wine_keep_alive
# shellcheck shell=bash

MORVANE_ROOT=${MORVANE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$MORVANE_ROOT/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=zh_CN.UTF-8
# No Gecko/Mono install prompts: the program needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

# Creates the prefix once; later calls only look at its stamp. With the argument "test",
# windows are left unmanaged by the X window manager: under a bare Xvfb there is none, and
# Wine would wait two seconds for it at every destruction of a resizable window.
wine_prefix_ready() {
  local kind=${1:-app}
  local stamp="$WINEPREFIX/.morvane-ready-$kind"
  [ -f "$stamp" ] && return 0
  mkdir -p "$WINEPREFIX"
  # Two runs must never build the same prefix at once.
  exec {lock}>"$WINEPREFIX.lock"
  flock "$lock"
  if [ -f "$stamp" ]; then flock -u "$lock"; exec {lock}>&-; return 0; fi
  echo "wine: creating prefix $WINEPREFIX (first time takes ~15 s)" >&2
  "$WINE64" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
  local font
  font=$(fc-list : family 2>/dev/null | grep -o 'WenQuanYi Micro Hei' | head -n 1)
  [ -n "$font" ] || { echo "wine: font 'WenQuanYi Micro Hei' missing (fonts-wqy-microhei)" >&2; return 1; }
  "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' /t REG_SZ /d "$font" /f >/dev/null 2>&1
  "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'SimSun' /t REG_SZ /d "$font" /f >/dev/null 2>&1
  if [ "$kind" = test ]; then
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # A crashing test ends at once instead of waiting in the debugger.
    "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
  fi
  "$WINESERVER" -w
  "$WINE64" reg query 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' >/dev/null 2>&1 \
    || { echo "wine: could not set the font replacement" >&2; return 1; }
  "$WINESERVER" -w
  touch "$stamp"
  flock -u "$lock"
  exec {lock}>&-
}

# Makes sure DISPLAY names a running X server; starts Xvfb when there is none.
wine_display_ready() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    MORVANE_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$MORVANE_XVFB_PID" 2>/dev/null || true
  done
  echo "wine: could not start Xvfb" >&2
  return 1
}

# Keeps the Wine server and its system processes up between test programs, so each
# test start is warm (~0.06 s instead of ~0.9 s).
wine_keep_alive() {
  "$WINESERVER" -p 2>/dev/null || true  # a server that is up already stays up
  "$WINE64" cmd /c exit >/dev/null 2>&1 || true
}

wine_shutdown() {
  "$WINESERVER" -k 2>/dev/null || true
  if [ -n "${MORVANE_XVFB_PID:-}" ]; then kill "$MORVANE_XVFB_PID" 2>/dev/null || true; fi
}
