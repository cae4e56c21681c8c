#!/usr/bin/env bash
# Measures the CPU time CalculatorOrvi2009 uses while it sits idle on a virtual X
# server, its banner and clock ticking twice a second.
#   scripts/idle-cpu.sh [seconds]     (default 30)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program="${PROGRAM:-$root/build/default/ui/CalculatorOrvi2009}"
seconds="${1:-30}"

source "$root/scripts/lib/virtual-display.sh"
xvfb_pid=""
app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
start_virtual_display 91

"$program" >/dev/null 2>&1 &
app_pid=$!
sleep 2 # past start-up

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)

awk -v used=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN {
  ms = used * 1000 / hz
  printf "idle-cpu: %.0f ms of CPU in %d s of idling = %.2f%% of one core\n", ms, s, ms / (s * 10)
}'
