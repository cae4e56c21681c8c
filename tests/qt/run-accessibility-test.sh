#!/usr/bin/env bash
# Runs tests/qt/accessibility_test.py with a session bus of its own (the accessibility
# bus starts on it as screen readers find it) and a virtual X server: Qt joins the
# accessibility bus only with a real display.
#
#   tests/qt/run-accessibility-test.sh PROGRAM LAYOUT_JSON
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exec dbus-run-session -- xvfb-run --auto-servernum --server-args="-screen 0 800x700x24 -dpi 96" \
  /usr/bin/python3 "$here/accessibility_test.py" "$@"
