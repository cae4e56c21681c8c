# Sourced by the scripts that look at the program on a virtual X server.
#
#   start_virtual_display FIRST_NUMBER
#
# starts Xvfb at 96 dpi on the first free display from FIRST_NUMBER upward, waits
# until it answers, exports DISPLAY and sets xvfb_pid. The caller stops it.
start_virtual_display() {
  local number=$1
  while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do
    number=$((number + 1))
  done
  export DISPLAY=:$number
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  local tries
  for tries in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "virtual-display: Xvfb did not start on $DISPLAY" >&2
  return 1
}
