# shellcheck shell=bash
# Sourced by the scripts that start the program.
#
#   use_private_runtime_dir DIR
#
# Qt keeps per-session files (sockets, locks) in $XDG_RUNTIME_DIR, which the login
# session provides. A root shell on a bare machine has no such session; Qt then warns
# "XDG_RUNTIME_DIR not set" and guesses a folder under /tmp. Where the variable is
# unset, this creates DIR, private to the user as Qt requires, and exports it.
use_private_runtime_dir() {
  [[ -n "${XDG_RUNTIME_DIR:-}" ]] && return 0
  mkdir -p "$1" || return
  chmod 700 "$1" || return
  export XDG_RUNTIME_DIR="$1"
}
