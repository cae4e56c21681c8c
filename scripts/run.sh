#!/usr/bin/env bash
# Installs what is missing, builds CalculatorOrvi2009 and starts it.
# Without a display, it starts it on a virtual one (xvfb-run) so it can still be
# driven and looked at; set QT_QPA_PLATFORM=offscreen to start it with no display at all.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target CalculatorOrvi2009

program=build/default/ui/CalculatorOrvi2009
# shellcheck source=scripts/lib/runtime-dir.sh
source "$root/scripts/lib/runtime-dir.sh"
use_private_runtime_dir "$root/build/runtime-$(id -u)"
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != offscreen ]]; then
  echo "run: no display; starting on a virtual X server (xvfb-run)" >&2
  exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" "$program"
fi
exec "$program"
