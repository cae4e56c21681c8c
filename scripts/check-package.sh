#!/usr/bin/env bash
# Builds the Debian package and checks it from end to end:
#   - the package's name, version, section, dependencies and file list;
#   - lintian, Debian's own checker: any error or warning fails the check (info tags
#     are shown too, but only reported);
#   - desktop-file-validate and appstreamcli (no network) on the files it installs;
#   - it installs with dpkg (through apt-get, which fetches the font packages if missing);
#   - the installed /usr/bin/CalculatorOrvi2009 starts under its own Xvfb, its window
#     appears, a real mouse click on the "OFF" key ends it with exit code 0;
#   - it is removed again and its files are gone.
# Needs root or sudo, and the tools of scripts/install-deps.sh --extra.
# Exits non-zero and names every failed check.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/default"
package=calculatororvi2009
version=1.0.0
app_id=org.kelvoorvi.CalculatorOrvi2009
program=/usr/bin/CalculatorOrvi2009
window_title=CalculatorOrvi2009
# The client area and the "OFF" key (Command21) in twips; 15 twips make a pixel at 96 dpi.
client_w_twips=6345 client_h_twips=8430
off_left=1560 off_top=3000 off_width=855 off_height=735

failures=()
fail() {
  echo "check-package: FAILED: $*" >&2
  failures+=("$*")
}
step() { echo "check-package: $*"; }
is_installed() { dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q ' installed$'; }

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
we_installed=0

# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  if [[ -n "$app_pid" ]] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
  fi
  if [[ -n "$xvfb_pid" ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  if ((we_installed)) && is_installed; then
    echo "check-package: removing $package after an interrupted run" >&2
    "${sudo_cmd[@]}" dpkg --purge "$package" >/dev/null 2>&1
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

finish() {
  if ((${#failures[@]})); then
    echo "check-package: ${#failures[@]} check(s) failed:" >&2
    printf '  - %s\n' "${failures[@]}" >&2
    exit 1
  fi
  echo "check-package: all checks passed"
  exit 0
}

abort() {
  fail "$*"
  finish
}

# --- tools, and a machine without the package ------------------------------------------
for tool in cmake cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli \
            Xvfb xdotool xdpyinfo identify apt-get; do
  command -v "$tool" >/dev/null || fail "tool '$tool' is missing (run scripts/install-deps.sh --extra)"
done
((${#failures[@]})) && finish
if is_installed; then
  abort "$package is already installed on this machine; remove it first (dpkg --purge $package)"
fi

# --- build the package ------------------------------------------------------------------
step "building"
cd "$root" || abort "cannot enter $root"
cmake --preset default >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log" >&2; abort "cmake --preset default"; }
cmake --build --preset default >"$work/build.log" 2>&1 \
  || { tail -n 60 "$work/build.log" >&2; abort "cmake --build --preset default"; }
arch=$(dpkg --print-architecture)
deb="$build/${package}_${version}_${arch}.deb"
rm -f "$build/${package}_"*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; abort "cpack -G DEB"; }
[[ -f "$deb" ]] || abort "cpack did not write $deb"
step "built $deb"

# --- the package's control fields and contents -------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == "$package" ]] || fail "package name is '$(field Package)', not $package"
[[ $(field Version) == "$version" ]] || fail "version is '$(field Version)', not $version"
[[ $(field Section) == math ]] || fail "section is '$(field Section)', not math"
[[ -n $(field Maintainer) ]] || fail "no maintainer"
[[ -n $(field Description) ]] || fail "no description"
depends=$(field Depends)
step "Depends: $depends"
for dep in fonts-liberation2 fonts-hosny-amiri libc6 'libqt5widgets5|libqt6widgets6'; do
  grep -Eq "(^|, )($dep)( |,|$)" <<<"$depends" || fail "Depends lacks $dep"
done

expected="$work/expected.txt"
{
  echo "./usr/bin/CalculatorOrvi2009"
  echo "./usr/share/applications/$app_id.desktop"
  echo "./usr/share/metainfo/$app_id.metainfo.xml"
  for size in 16 24 32 48 64 128 256; do
    echo "./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  done
  echo "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  echo "./usr/share/man/man1/CalculatorOrvi2009.1.gz"
  echo "./usr/share/doc/$package/copyright"
  echo "./usr/share/doc/$package/changelog.gz"
} | sort >"$expected"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort >"$work/contents.txt"
if ! diff -u "$expected" "$work/contents.txt" >"$work/contents.diff"; then
  cat "$work/contents.diff" >&2
  fail "the package's files differ from the expected list (- expected, + in the package)"
fi

# --- Debian's checker ---------------------------------------------------------------------
lintian_options=(--display-info --fail-on "error,warning")
# It runs as root on a CI machine, and the package is our own.
[[ $(id -u) -eq 0 ]] && lintian_options+=(--allow-root)
step "lintian"
lintian "${lintian_options[@]}" "$deb" || fail "lintian reports errors or warnings (above)"

# --- the installed files, validated from the unpacked package -----------------------------
stage="$work/stage"
dpkg-deb -x "$deb" "$stage" || abort "dpkg-deb -x"
desktop="$stage/usr/share/applications/$app_id.desktop"
metainfo="$stage/usr/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate $app_id.desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate --no-net $app_id.metainfo.xml"
appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli validate-tree --no-net (installed tree)"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's Icon is not $app_id"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x "$stage/usr/bin/$exec_name" ]] || fail "the desktop entry's Exec '$exec_name' is not in /usr/bin"
for size in 16 24 32 48 64 128 256; do
  icon="$stage/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [[ -f "$icon" ]] || continue # reported by the file list
  got=$(identify -format '%wx%h' "$icon" 2>/dev/null)
  [[ "$got" == "${size}x${size}" ]] || fail "hicolor ${size}x${size} icon is $got"
done

# --- install ------------------------------------------------------------------------------
step "installing"
we_installed=1
if ! DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
      "$deb" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  abort "apt-get install $deb"
fi
is_installed || abort "dpkg does not report $package as installed"
dpkg-query -L "$package" >"$work/installed.txt"
installed_files=()
while IFS= read -r path; do
  [[ -f "$path" ]] && installed_files+=("$path")
done <"$work/installed.txt"
((${#installed_files[@]} == $(wc -l <"$expected"))) \
  || fail "${#installed_files[@]} files installed, $(wc -l <"$expected") expected"
[[ -x "$program" ]] || abort "$program was not installed"

# --- start it under Xvfb, click "OFF" -------------------------------------------------------
display_number=77
while [[ -e /tmp/.X11-unix/X$display_number || -e /tmp/.X$display_number-lock ]]; do
  ((display_number++))
done
display=":$display_number"
step "starting Xvfb on $display"
Xvfb "$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
DISPLAY=$display xdpyinfo >/dev/null 2>&1 || { cat "$work/xvfb.log" >&2; abort "Xvfb did not start on $display"; }

step "starting $program"
mkdir -m 700 "$work/runtime"
(cd "$work" && exec env -u QT_QPA_PLATFORM DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" \
  "$program") >"$work/app.log" 2>&1 &
app_pid=$!
window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name "^${window_title}\$" \
         2>/dev/null | head -n 1)
if [[ -z "$window" ]]; then
  cat "$work/app.log" >&2
  abort "no visible window named $window_title appeared within 20 s"
fi
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")"
step "window $window at ${X},${Y}, ${WIDTH}x${HEIGHT}"
# Xvfb runs at 96 dpi, where 15 twips make a pixel.
((WIDTH == client_w_twips / 15 && HEIGHT == client_h_twips / 15)) \
  || fail "the client area is ${WIDTH}x${HEIGHT}, not $((client_w_twips / 15))x$((client_h_twips / 15))"

# With no window manager the client area starts at the window's top-left corner.
click_x=$((X + (2 * off_left + off_width) / 30))
click_y=$((Y + (2 * off_top + off_height) / 30))
sleep 0.5
kill -0 "$app_pid" 2>/dev/null || abort "the program ended before the click on OFF"
step "clicking OFF at $click_x,$click_y"
DISPLAY=$display xdotool mousemove --sync "$click_x" "$click_y" click 1 \
  || fail "xdotool could not click"
for _ in $(seq 50); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
  fail "the program still runs 5 s after the click on OFF"
else
  wait "$app_pid"
  status=$?
  app_pid=""
  ((status == 0)) || { cat "$work/app.log" >&2; fail "the program ended with exit code $status, not 0"; }
fi
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
xvfb_pid=""

# --- remove -------------------------------------------------------------------------------
step "removing"
if ! DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq "$package" \
      >"$work/remove.log" 2>&1; then
  cat "$work/remove.log" >&2
  fail "apt-get purge $package"
fi
status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)
if [[ -n "$status" && "$status" != *not-installed ]]; then
  fail "$package is still known to dpkg after the purge ($status)"
else
  we_installed=0
fi
for path in "${installed_files[@]}"; do
  [[ -e "$path" ]] && fail "$path is still there after the purge"
done

finish
