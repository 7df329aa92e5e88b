#!/usr/bin/env bash
# Installs the Debian 12 packages the builds and tests need (as root; sudo otherwise).
# Only what is missing is installed, so repeated runs are quick.
#   install-deps.sh [--wine32]   --wine32: also 32-bit Wine, for the tests of the 32-bit build
set -eu
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
packages=(
  build-essential dpkg-dev cmake ninja-build pkg-config git
  googletest libgtest-dev libbenchmark-dev libstb-dev nlohmann-json3-dev libgif-dev
  mingw-w64 mingw-w64-tools wine wine64 libwine-dev
  xvfb xauth imagemagick xserver-xephyr xcompmgr bc
  msitools wixl
  clang libclang-rt-14-dev
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

install() {
  local missing=()
  for package in "$@"; do installed "$package" || missing+=("$package"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install "${packages[@]}"
# giflib's sources for the static library of the MinGW builds (Debian ships giflib for Linux only).
"$(dirname "$0")/fetch-giflib-source.sh"
# 32-bit Wine only where this machine runs 32-bit programs: elsewhere its i386 packages do not
# work, and once installed, Debian's "wine" command picks its 32-bit loader all the same.
if [ "${1:-}" = --wine32 ] && ! installed wine32:i386; then
  if ! reason=$("$(dirname "$0")/can-run-32bit.sh"); then
    echo "32-bit Wine not installed: ${reason#no: }"
    exit 0
  fi
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  install wine32:i386
elif [ "${VIMRO_NO_32BIT:-}" != 1 ] && installed wine32:i386 && ! reason=$("$(dirname "$0")/can-run-32bit.sh"); then
  echo "Note: wine32:i386 is installed, but ${reason#no: }; the plain \"wine\" command now fails" \
    "(the build's scripts use /usr/lib/wine/wine64): apt-get remove wine32:i386 mends it."
fi
