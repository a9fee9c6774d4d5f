#!/usr/bin/env bash
# Installs every Debian package that building, playing and testing Glyphora
# needs. Quiet and quick when everything is present; uses sudo when not root.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang
  # libraries of the game and its tools
  libsdl2-dev libsdl2-ttf-dev libpng-dev libcurl4-openssl-dev libmd-dev
  libfontconfig-dev libfreetype-dev libcairo2-dev libpixman-1-dev libxcb1-dev
  libopenal-dev libopenal1 libvorbis-dev libvorbisfile3
  # the title face
  fonts-bebas-neue
  # tests
  googletest libgtest-dev libgmock-dev
  # end-to-end tests: a virtual display, a window manager and input tools
  xvfb openbox xdotool wmctrl x11-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
