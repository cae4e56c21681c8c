#!/usr/bin/env bash
# Takes the README's screenshots of the real program on a virtual X server:
#   docs/screenshot.png      the window after "1", "2", "+", "3", "="
#   docs/banner-cycle.png    the top of the window on each tick of one banner cycle
# Needs Xvfb, xdotool and ImageMagick (scripts/install-deps.sh) and a built program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program="$root/build/default/ui/CalculatorOrvi2009"
docs="$root/docs"
work=$(mktemp -d)

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

"$program" >/dev/null 2>&1 &
app_pid=$!
xdotool search --sync --name '^CalculatorOrvi2009$' >/dev/null

# With no window manager the client area starts at the screen's top-left corner;
# a key's centre in pixels is (twips + 855/2) / 15 across, (twips + 735/2) / 15 down.
click_key() { xdotool mousemove $((($1 + 427) / 15)) $((($2 + 367) / 15)) click 1; sleep 0.1; }
click_key 360 6360  # 1
click_key 1560 6360 # 2
click_key 3960 3000 # +
click_key 2760 6360 # 3
click_key 3960 6360 # =
xdotool mousemove 600 600

# Wait for a tick that has just turned the labels red (step 1 or 4), then one more.
sleep 1.2
mkdir -p "$docs"
import -window root -crop 423x562+0+0 +repage "$docs/screenshot.png"

# One banner cycle: ten ticks, 500 ms apart; the top band of the window each time.
for tick in $(seq -w 1 10); do
  import -window root -crop 423x130+0+0 +repage "$work/tick-$tick.png"
  sleep 0.5
done
montage "$work"/tick-*.png -tile 2x5 -geometry +4+4 -background '#404040' "$docs/banner-cycle.png"
echo "screenshots: wrote $docs/screenshot.png and $docs/banner-cycle.png"
