#!/usr/bin/env bash
# Takes docs/screenshot-windows.png: the 64-bit Windows program under wine, on a
# virtual X server at 96 dpi, after "1", "2", "+", "3", "=", as the Linux one.
# Needs the tools of scripts/install-deps.sh --windows and a windows-x64 build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program="$root/build/windows-x64/ui/CalculatorOrvi2009.exe"

source "$root/scripts/lib/virtual-display.sh"
xvfb_pid=""
app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
start_virtual_display 92

"$root/scripts/wine-run.sh" "$program" >/dev/null 2>&1 &
app_pid=$!
window=$(xdotool search --sync --name '^CalculatorOrvi2009$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"

# A key's centre in pixels is (twips + 855/2) / 15 across, (twips + 735/2) / 15 down.
click_key() { xdotool mousemove $((X + ($1 + 427) / 15)) $((Y + ($2 + 367) / 15)) click 1; sleep 0.2; }
click_key 360 6360  # 1
click_key 1560 6360 # 2
click_key 3960 3000 # +
click_key 2760 6360 # 3
click_key 3960 6360 # =
xdotool mousemove 600 700
sleep 1.2
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$root/docs/screenshot-windows.png"
echo "screenshot-windows: wrote docs/screenshot-windows.png"
