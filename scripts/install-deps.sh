#!/usr/bin/env bash
# Installs, from Debian's archive, the packages that building, running and testing
# CalculatorOrvi2009 need. Only missing packages are fetched, so a second run is quick.
#
#   scripts/install-deps.sh            build + run + test
#   scripts/install-deps.sh --extra    also the tools for packaging and stress checks
#   scripts/install-deps.sh --bench    also the peer calculators bench/desktop compares with
set -euo pipefail

packages=(
  # compiler and build tools
  g++ cmake ninja-build pkg-config clang-format
  # Qt 6 (default) and Qt 5.15 (the 32-bit Windows line), each with Qt Test
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qtbase5-dev qtbase5-dev-tools
  # unit tests and the conversion benchmark
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # a display server for screenshots and click-through, and the tools to use it
  xvfb x11-utils xdotool imagemagick
  # "Times New Roman" metrics, and a serif face with Arabic letters for the phrase box
  fonts-liberation2 fonts-hosny-amiri
)

case "${1:-}" in
  --extra)
    packages+=(desktop-file-utils appstream dpkg-dev lintian file librsvg2-bin python3
               clang-14 libclang-rt-14-dev valgrind)
    ;;
  --bench)
    packages+=(python3 dbus libx11-dev libxext-dev libxdamage-dev
               x11-apps xfonts-base xfonts-75dpi xfonts-100dpi xbitmaps
               galculator speedcrunch qalculate-gtk gnome-calculator)
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "install-deps: everything is installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
