#!/usr/bin/env bash
# Builds the 32-bit Windows packages and looks into them without running them:
#   - the zip holds the program (PE32, GUI, system DLLs only) and the licence, with
#     Windows line ends;
#   - the NSIS installer holds the same program file and licence, and an uninstaller;
#   - the installer makes a Start-menu entry for the program and registers it in
#     Programs and Features under its name, publisher, version and icon.
# scripts/check-windows-installer.sh runs the installer.
# Needs the tools of scripts/install-deps.sh --windows.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=build/windows-x86
name=CalculatorOrvi2009-1.0.0-win32

cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 --target CalculatorOrvi2009
rm -f "$build/$name".{zip,exe}
# cpack strips each package's copy of the program, and strip stamps a PE file with the time
# of day unless SOURCE_DATE_EPOCH names one: the last commit's time keeps the two copies equal.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
(cd "$build" && cpack >/dev/null)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "check-windows-packages: FAILED: $*" >&2; failures=$((failures + 1)); }

# FILE has lines, each ending in CR LF.
windows_lines() { [[ -s $1 ]] && ! grep -qv $'\r$' "$1"; }

unzip -q "$build/$name.zip" -d "$work/zip"
windows_lines "$work/zip/$name/LICENSE.txt" || fail "the zip has no LICENSE.txt with Windows line ends"
tests/win32/check-program-file.sh "$work/zip/$name/CalculatorOrvi2009.exe" \
  i686-w64-mingw32-objdump pei-i386 || fail "the zip's program file"

7z x -y -o"$work/nsis" "$build/$name.exe" >/dev/null
cmp -s "$work/zip/$name/CalculatorOrvi2009.exe" "$work/nsis/CalculatorOrvi2009.exe" \
  || fail "the installer's program file differs from the zip's"
[[ -f "$work/nsis/Uninstall.exe" ]] || fail "the installer has no uninstaller"
windows_lines "$work/nsis/LICENSE.txt" || fail "the installer has no LICENSE.txt with Windows line ends"

script="$build/_CPack_Packages/win32/NSIS/project.nsi"
expect() { grep -Fq -- "$1" "$script" || fail "the installer does not $2"; }
expect 'CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\CalculatorOrvi2009.lnk" "$INSTDIR\.\CalculatorOrvi2009.exe"' \
  "make a Start-menu entry for the program"
expect 'Software\Microsoft\Windows\CurrentVersion\Uninstall\CalculatorOrvi2009' \
  "register with Programs and Features"
for entry in 'DisplayName=CalculatorOrvi2009' 'Publisher=Kelvo Orvi' 'DisplayVersion=1.0.0' \
  'DisplayIcon=$INSTDIR\CalculatorOrvi2009.exe'; do
  expect "WriteRegStr HKLM \"\${UNINSTALL_KEY}\" \"${entry%%=*}\" \"${entry#*=}\"" \
    "register ${entry%%=*} as ${entry#*=}"
done

if ((failures)); then
  exit 1
fi
echo "check-windows-packages: $name.zip and $name.exe (installer) passed"
