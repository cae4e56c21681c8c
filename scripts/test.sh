#!/usr/bin/env bash
# Installs what is missing, builds CalculatorOrvi2009 against Qt 6 and Qt 5.15 and
# as the 64-bit and 32-bit Windows programs, and runs every test of each build: the
# window tests offscreen, the Windows tests under wine (the 32-bit ones only where
# this machine can run 32-bit programs; elsewhere they are reported as skipped).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh --windows
for preset in default qt5 windows-x64 windows-x86; do
  echo "== $preset =="
  if [[ $preset == windows-x86 ]] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "test: this machine cannot run 32-bit programs, so the 32-bit Windows tests under" \
      "wine are skipped; the 32-bit program is still built and its file checked"
  fi
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
