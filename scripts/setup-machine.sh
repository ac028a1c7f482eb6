#!/usr/bin/env bash
# Installs what building and testing Morvane needs on a Debian 12 machine.
# Idempotent: packages already present are skipped, the locale is generated once.
set -euo pipefail

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo "$@"; else echo "needs root: $*" >&2; exit 1; fi
  else
    "$@"
  fi
}

PACKAGES=(
  cmake ninja-build make
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64
  googletest libgtest-dev
  g++ clang libclang-rt-14-dev
  wine wine64
  xvfb xauth x11-utils x11-xserver-utils xdotool
  fonts-wqy-microhei
  locales fontconfig file
  imagemagick
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  need_root apt-get update -qq
  need_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests and the tool run with the Chinese (GBK, code page 936) ANSI code page.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating zh_CN.UTF-8"
  if [ -f /etc/locale.gen ] && grep -q 'zh_CN.UTF-8' /etc/locale.gen; then
    need_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    need_root locale-gen >/dev/null
  else
    need_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
fi
