#!/usr/bin/env bash
# Installs what is missing, builds CalculatorOrvi2009 against Qt 6 and against
# Qt 5.15, and runs every test of both builds (the window tests offscreen).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
for preset in default qt5; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
