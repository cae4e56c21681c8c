#!/usr/bin/env bash
# Runs a Windows program under wine; ctest's emulator for the Windows builds.
#
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENT ...]
#
# A 64-bit program runs with wine64. A 32-bit one needs 32-bit wine (wine32:i386)
# and a kernel that runs 32-bit programs; where this machine lacks either, the run
# is skipped with one line saying so and exit code 77, which ctest counts as
# skipped. The wine prefix is $WINEPREFIX, or one of the project's own in the user's
# cache; it is made on first use (about 15 s). Without a display, the program runs
# on a virtual X server.
set -euo pipefail
program=$1
shift

# The machine field of the PE header: 0x14c for x86, 0x8664 for x86-64.
pe_offset=$(od -An -tu4 -j60 -N4 "$program" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe_offset + 4)) -N2 "$program" | tr -d ' ')
case "$machine" in
  8664) wine=/usr/lib/wine/wine64 ;;
  014c)
    wine=/usr/lib/wine/wine
    if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
      echo "wine-run: SKIPPED $(basename "$program"): this machine cannot run 32-bit programs" \
        "(/lib/ld-linux.so.2 does not start), so 32-bit wine cannot either" >&2
      exit 77
    fi
    if [[ ! -x $wine ]]; then
      echo "wine-run: SKIPPED $(basename "$program"): 32-bit wine is not installed" \
        "(scripts/install-deps.sh --windows installs it where the machine can run it)" >&2
      exit 77
    fi
    ;;
  *) echo "wine-run: $program is not a Windows x86 or x86-64 program" >&2; exit 2 ;;
esac
[[ -x $wine ]] || { echo "wine-run: $wine is missing (scripts/install-deps.sh --windows)" >&2; exit 2; }

# Without a display, everything below runs on a virtual X server: the wine server
# that the font step starts serves the program too, so both must see one display.
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
    "${BASH_SOURCE[0]}" "$program" "$@"
fi

export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/calculatororvi2009/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}" # no Mono or Gecko installers
mkdir -p "$(dirname "$WINEPREFIX")"

# Wine registers in the prefix every face it has once found through fontconfig and
# loads those again in every later run, whatever fontconfig lists then. A run in a
# chosen face set (FONTCONFIG_FILE, as the tests' tests/fonts/*.conf) forgets them
# first, so that wine registers only the set's faces.
if [[ -n "${FONTCONFIG_FILE:-}" && -d "$WINEPREFIX" ]]; then
  fonts='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
  forget=$(mktemp --suffix=.reg)
  {
    printf 'REGEDIT4\n\n[-HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\External Fonts]\n\n[%s]\n' "$fonts"
    # Faces outside the prefix are registered with their whole path (Z:\usr\...).
    "$wine" reg query "$fonts" 2>/dev/null | tr -d '\r' \
      | sed -n 's/^    \(.*\)    REG_SZ    [A-Za-z]:\\.*/"\1"=-/p'
  } >"$forget"
  "$wine" regedit /S "$forget" 2>/dev/null
  rm -f "$forget"
fi

exec "$wine" "$program" "$@"
