#!/usr/bin/env bash
# Installs, from Debian's archive, the packages that building, running and testing
# CalculatorOrvi2009 need. Only missing packages are fetched, so a second run is quick.
#
#   scripts/install-deps.sh            build + run + test
#   scripts/install-deps.sh --extra    also the tools for packaging and stress checks
#   scripts/install-deps.sh --bench    also the peer calculators bench/desktop compares with
#   scripts/install-deps.sh --windows  also the Windows cross-compilers, wine and NSIS
#   scripts/install-deps.sh --web      also emscripten, the font tools, and Chromium, Firefox
#                                      and WebKit with what drives them
#
# Options combine: scripts/install-deps.sh --windows --web
set -euo pipefail

packages=(
  # compiler and build tools
  g++ cmake ninja-build pkg-config clang-format
  # Qt 6 (default) and Qt 5.15 (the 32-bit Windows line), each with Qt Test
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qtbase5-dev qtbase5-dev-tools
  # unit tests and the conversion benchmark
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # a correctly rounded reader of decimal numbers, header only
  libfast-float-dev
  # a display server for screenshots and click-through, and the tools to use it
  xvfb xauth x11-utils xdotool imagemagick
  # a chosen time for the program under test
  faketime
  # the accessibility bus and a reader's side of it, for the screen-reader test
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0
  # "Times New Roman" metrics, and a serif face with Arabic letters for the phrase box
  fonts-liberation2 fonts-hosny-amiri
  # the tests' other face sets (tests/fonts): DejaVu, and a CJK face as most desktops have
  fonts-dejavu-core fonts-droid-fallback
)

for option in "$@"; do case "$option" in
  --extra)
    packages+=(desktop-file-utils appstream dpkg-dev lintian file librsvg2-bin python3
               clang-14 libclang-rt-14-dev valgrind)
    ;;
  --bench)
    packages+=(python3 dbus libx11-dev libxext-dev libxdamage-dev
               x11-apps xfonts-base xfonts-75dpi xfonts-100dpi xbitmaps
               galculator speedcrunch qalculate-gtk gnome-calculator)
    ;;
  --windows)
    # The posix thread model (GoogleTest needs std::mutex), wine64 for the 64-bit
    # programs, NSIS for the installer, 7-Zip and unzip to look into the packages, and
    # faketime to run the 64-bit program at the fixed time of the cross-home report.
    packages+=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine64 nsis p7zip-full
               unzip faketime)
    ;;
  --web)
    # emscripten builds the page (and its tests for Node.js); the font tools subset
    # the two faces and write them as WOFF2; Chromium, its driver and selenium run
    # the browser tests and the benchmark. The page is tested in Firefox ESR too,
    # driven over its own WebDriver BiDi (a WebSocket client: Debian has no
    # geckodriver), and in WebKit (WebKitGTK's driver and MiniBrowser, on Xvfb).
    # WebKit takes its language from the C library's locale, so the clock in other
    # languages needs them all; a Burmese face draws the Burmese clock, as a Burmese
    # user's desktop does.
    packages+=(emscripten nodejs python3 python3-fonttools python3-brotli
               chromium chromium-driver python3-selenium
               firefox-esr python3-websocket webkit2gtk-driver locales-all fonts-sil-padauk)
    ;;
  *)
    echo "install-deps: unknown option $option" >&2
    exit 2
    ;;
esac; done

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive

# apt and dpkg report every package they unpack; that is kept in a log, shown
# only when the install fails.
apt_log=$(mktemp)
trap 'rm -f "$apt_log"' EXIT
apt_install() {
  if ! "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "$@" >"$apt_log" 2>&1; then
    cat "$apt_log" >&2
    echo "install-deps: installing $* failed" >&2
    exit 1
  fi
}

# 32-bit wine runs the 32-bit Windows programs, but only on a kernel that runs
# 32-bit Linux programs; the C library's loader tells. That loader may already be
# there from a multilib package without the i386 architecture, which wine32 needs.
install_wine32() {
  if dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q '^install ok installed$'; then
    return
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    "${sudo_cmd[@]}" apt-get update -qq
  fi
  [[ -e /lib/ld-linux.so.2 ]] || apt_install libc6:i386
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    apt_install wine32:i386
  else
    echo "install-deps: this machine cannot run 32-bit programs; 32-bit wine is left out" \
      "and the 32-bit Windows tests will be skipped"
  fi
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "install-deps: everything is installed"
else
  echo "install-deps: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  apt_install "${missing[@]}"
fi
for option in "$@"; do
  if [[ $option == --windows ]]; then install_wine32; fi
done
