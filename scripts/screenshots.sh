#!/usr/bin/env bash
# Takes the README's screenshots of the real program on a virtual X server:
#   scripts/screenshots.sh            the Linux program (build/default):
#     docs/screenshot.png             the window after "1", "2", "+", "3", "="
#     docs/banner-cycle.png           the top of the window on each tick of one banner cycle
#   scripts/screenshots.sh windows    the 64-bit Windows program under wine (build/windows-x64):
#     docs/screenshot-windows.png     the window after the same keys
# Needs Xvfb, xdotool and ImageMagick (scripts/install-deps.sh; for the Windows one,
# --windows) and a built program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
docs="$root/docs"
work=$(mktemp -d)
if [[ "${1:-}" == windows ]]; then
  start=("$root/scripts/wine-run.sh" "$root/build/windows-x64/ui/CalculatorOrvi2009.exe")
  shot="$docs/screenshot-windows.png"
else
  start=("$root/build/default/ui/CalculatorOrvi2009")
  shot="$docs/screenshot.png"
fi

# The faces the program is made for, and no others the machine may have.
export FONTCONFIG_PATH="$root/tests/fonts" FONTCONFIG_FILE=intended.conf

source "$root/scripts/lib/virtual-display.sh"
xvfb_pid=""
app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display 90

"${start[@]}" >/dev/null 2>&1 &
app_pid=$!
window=$(xdotool search --sync --name '^CalculatorOrvi2009$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")" # the client area's X, Y, WIDTH, HEIGHT

# A key's centre in pixels is (twips + 855/2) / 15 across, (twips + 735/2) / 15 down.
click_key() { xdotool mousemove $((X + ($1 + 427) / 15)) $((Y + ($2 + 367) / 15)) click 1; sleep 0.2; }
click_key 360 6360  # 1
click_key 1560 6360 # 2
click_key 3960 3000 # +
click_key 2760 6360 # 3
click_key 3960 6360 # =
xdotool mousemove 700 700

# Wait for a tick that has just turned the labels red (step 1 or 4), then one more.
sleep 1.2
mkdir -p "$docs"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
if [[ "${1:-}" == windows ]]; then
  echo "screenshots: wrote $shot"
  exit 0
fi

# One banner cycle: ten ticks, 500 ms apart; the top band of the window each time.
for tick in $(seq -w 1 10); do
  import -window root -crop "${WIDTH}x130+${X}+${Y}" +repage "$work/tick-$tick.png"
  sleep 0.5
done
montage "$work"/tick-*.png -tile 2x5 -geometry +4+4 -background '#404040' "$docs/banner-cycle.png"
echo "screenshots: wrote $shot and $docs/banner-cycle.png"
