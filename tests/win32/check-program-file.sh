#!/usr/bin/env bash
# Checks a Windows program file without running it:
#   check-program-file.sh PROGRAM.exe OBJDUMP FORMAT
# its format (pei-i386 for PE32, pei-x86-64 for PE32+), the GUI subsystem, and that
# it imports nothing but DLLs every Windows has, so it runs with nothing beside it.
set -euo pipefail
program=$1 objdump=$2 format=$3
headers=$("$objdump" -p "$program")
status=0
grep -q "file format $format\$" <<<"$headers" \
  || { echo "not $format: $(grep -m1 'file format' <<<"$headers")"; status=1; }
grep -Eq '^Subsystem\s+0+2\s' <<<"$headers" \
  || { echo "not the GUI subsystem: $(grep -m1 '^Subsystem' <<<"$headers")"; status=1; }
system_dlls='^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|version|uxtheme|usp10|imm32|oleacc|ole32|oleaut32)\.dll$'
while read -r dll; do
  if ! grep -Eiq "$system_dlls" <<<"$dll"; then
    echo "imports $dll, which Windows does not have"
    status=1
  fi
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
echo "$(basename "$program"): $format, imports $(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | paste -sd ' ')"
exit $status
