#!/usr/bin/env bash
# Installs what is missing, builds CalculatorOrvi2009 against Qt 6 and Qt 5.15, as
# the 64-bit and 32-bit Windows programs and as the page for the browser, and runs
# every test of each build: the window tests offscreen under each of the project's
# face sets, the Windows tests under wine (the 32-bit ones only where this machine
# can run 32-bit programs; elsewhere they are reported as skipped, each with one
# line saying why), the page's under Node.js and in Chromium, Firefox and WebKit.
#
#   scripts/test.sh                 every preset
#   scripts/test.sh default qt5     some of them
#
# Every preset is built and tested even when an earlier one fails; the failures are
# listed at the end, and the exit code is non-zero if there was any.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

presets=("$@")
((${#presets[@]})) || presets=(default qt5 windows-x64 windows-x86 web)

scripts/install-deps.sh --windows --web || exit 1

failures=()
for preset in "${presets[@]}"; do
  echo "== $preset =="
  if [[ $preset == windows-x86 ]] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "test: this machine cannot run 32-bit programs, so the 32-bit Windows tests under" \
      "wine are skipped; the 32-bit program is still built and its file checked"
  fi
  if ! cmake --preset "$preset" >/dev/null; then
    failures+=("$preset: configure")
  elif ! cmake --build --preset "$preset"; then
    failures+=("$preset: build")
  else
    ctest --preset "$preset" ||
      failures+=("$preset: tests (ctest --preset $preset --rerun-failed shows them again)")
    # What a test skipped, and why: ctest shows a passing test's output only in its log.
    grep -hs '^SKIP ' "build/$preset/Testing/Temporary/LastTest.log" | sed "s/^/test: $preset: /"
  fi
done

if ((${#failures[@]})); then
  echo "test: FAILED:"
  printf '  %s\n' "${failures[@]}"
  exit 1
fi
echo "test: every build of ${presets[*]} passed its tests"
