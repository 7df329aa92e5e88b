#!/usr/bin/env bash
# Installs the Debian 12 packages the builds and tests need (as root; sudo otherwise).
# Only what is missing is installed, so repeated runs are quick.
#   install-deps.sh [--wine32]   --wine32: also 32-bit Wine, for the tests of the 32-bit build
set -eu
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
packages=(
  build-essential cmake ninja-build pkg-config git
  googletest libgtest-dev libbenchmark-dev libstb-dev nlohmann-json3-dev libgif-dev
  mingw-w64 mingw-w64-tools wine wine64 libwine-dev
  xvfb xauth imagemagick bc
  msitools wixl
  clang libclang-rt-14-dev
)
if [ "${1:-}" = --wine32 ]; then
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  packages+=(wine32:i386)
fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
