#!/usr/bin/env bash
# Removes what `cmake --install` put under a prefix, and nothing else:
#
#   scripts/uninstall.sh /usr/local                    removes the files, naming each one
#   scripts/uninstall.sh --dry-run /usr/local          only names them
#   scripts/uninstall.sh --build build/qt5 /usr/local  learns the files from another build
#
# It learns which files those are by installing the build into a scratch folder, and
# removes exactly those paths under the prefix (under $DESTDIR too, if set, as cmake
# does). It never removes a file that a Debian package owns: remove the package with
# apt-get instead. It does not read build/*/install_manifest.txt, which CMake rewrites
# on every install, cpack's and staged ones included, with paths that leave out the
# staging folder. A staging tree (DESTDIR=...) is simply deleted as a whole.
# As a user, it removes through sudo what the user cannot remove.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/default"
dry_run=0
prefix=""

usage() {
  echo "usage: scripts/uninstall.sh [--dry-run] [--build BUILD_DIR] PREFIX" >&2
  exit 2
}
die() {
  echo "uninstall: $*" >&2
  exit 1
}

while (($#)); do
  case "$1" in
    -n | --dry-run) dry_run=1 ;;
    --build) (($# > 1)) || usage; build=$(realpath -m "$2"); shift ;;
    -h | --help) sed -n '2,14p' "$0"; exit 0 ;;
    -*) usage ;;
    *) [[ -z "$prefix" ]] || usage; prefix=$1 ;;
  esac
  shift
done
[[ -n "$prefix" ]] || usage
[[ "$prefix" == /* ]] || die "the prefix must be an absolute path, as given to cmake --install"
prefix=$(realpath -m "$prefix")
[[ "$prefix" != / ]] || die "refusing the prefix /"
tree="${DESTDIR:-}$prefix"
[[ -d "$tree" ]] || die "$tree is not a folder"
[[ -f "$build/cmake_install.cmake" ]] || die "$build is not a configured build (cmake --preset default)"

# What an install of this build consists of, relative to the prefix. Installing only the
# default component writes its list to install_manifest_Unspecified.txt and leaves the
# build's install_manifest.txt alone.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! log=$(DESTDIR="$scratch" cmake --install "$build" --prefix "$prefix" --component Unspecified 2>&1)
then
  echo "$log" >&2
  die "cannot install $build into a scratch folder (is it built?)"
fi
mapfile -t files < <(cd "$scratch$prefix" && find . ! -type d | sed 's|^\./||' | sort)
((${#files[@]})) || die "the build installs nothing"

owner_of() { # prints the Debian package that owns the path, if any
  command -v dpkg-query >/dev/null && dpkg-query -S "$1" 2>/dev/null | sed -n '1s/:.*//p'
}

removed=0
kept=0
for file in "${files[@]}"; do
  path="$tree/$file"
  [[ -e "$path" || -L "$path" ]] || continue
  owner=$(owner_of "$path" || true)
  if [[ -n "$owner" ]]; then
    echo "uninstall: kept $path, which the package $owner owns" >&2
    kept=$((kept + 1))
    continue
  fi
  if ((dry_run)); then
    echo "would remove $path"
  else
    sudo_cmd=()
    [[ $(id -u) -ne 0 && ! -w "$(dirname "$path")" ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" rm -f "$path"
    echo "removed $path"
  fi
  removed=$((removed + 1))
done

# The program's own documentation folder goes too, once empty; shared folders stay.
docs="$tree/share/doc/calculatororvi2009"
if ((!dry_run)) && [[ -d "$docs" ]] && [[ -z "$(ls -A "$docs")" ]]; then
  sudo_cmd=()
  [[ $(id -u) -ne 0 && ! -w "$(dirname "$docs")" ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" rmdir "$docs"
fi

verb=removed
((dry_run)) && verb="would remove"
echo "uninstall: $verb $removed of the ${#files[@]} files the build installs, under $tree"
((kept == 0)) || die "kept $kept file(s) that Debian packages own; remove those with apt-get purge"
