#!/usr/bin/env bash
# Checks the shipped executables: PE32 i386 / PE32+ x86-64, GUI subsystem, and no DLL
# beyond the system's.
set -euo pipefail
SYSTEM_DLLS='^(kernel32|user32|gdi32|gdiplus|msimg32|comctl32|comdlg32|uxtheme|ole32|oleaut32|shlwapi|advapi32|shell32|msvcrt|ntdll|api-ms-win-.*)\.dll$'
fail=0
for exe in "$@"; do
  dump=$(x86_64-w64-mingw32-objdump -p "$exe")
  magic=$(grep -m1 '^Magic' <<<"$dump" | awk '{print $2}')
  subsystem=$(grep -m1 '^Subsystem' <<<"$dump" | awk '{print $2}')
  case "$exe" in
    *i686*) want_magic=010b ;;
    *) want_magic=020b ;;
  esac
  [ "$magic" = "$want_magic" ] || { echo "$exe: PE magic $magic, expected $want_magic"; fail=1; }
  [ "$subsystem" = "00000002" ] || { echo "$exe: subsystem $subsystem, expected 2 (GUI)"; fail=1; }
  while read -r dll; do
    lower=$(tr 'A-Z' 'a-z' <<<"$dll")
    [[ "$lower" =~ $SYSTEM_DLLS ]] || { echo "$exe: imports non-system DLL $dll"; fail=1; }
  done < <(grep 'DLL Name:' <<<"$dump" | awk '{print $3}')
  echo "$exe: $(file -b "$exe" | cut -d, -f1), imports: $(grep 'DLL Name:' <<<"$dump" | awk '{print $3}' | tr '\n' ' ')"
done
exit $fail
