#!/usr/bin/env bash
# Installs every Debian package that building, playing and testing Glyphora
# needs. Quiet and quick when everything is present; uses sudo when not root.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format
  # libraries of the game and its tools
  libsdl2-dev libsdl2-ttf-dev libpng-dev libcurl4-openssl-dev libmd-dev
  libfontconfig-dev libfreetype-dev libcairo2-dev libpixman-1-dev libxcb1-dev
  libopenal-dev libopenal1 libvorbis-dev libvorbisfile3
  # the title face
  fonts-bebas-neue
  # the sound generator: FluidSynth, the General MIDI SoundFont, Vorbis
  # encoding; sox and vorbis-tools to inspect what it makes
  libfluidsynth-dev fluid-soundfont-gm sox libsox-fmt-all vorbis-tools
  # the bundled audio runtime, the manual, the desktop entry and its icon
  patchelf pandoc weasyprint poppler-utils fonts-dejavu-core desktop-file-utils imagemagick
  # online high scores: libcurl (loaded by the game on first use) and the
  # score server's HTTP, SQLite and PostgreSQL libraries
  libcurl4 libcpp-httplib-dev libsqlite3-dev libpqxx-dev
  # the score server's tests: a throw-away PostgreSQL, load tests, the page in a browser
  postgresql wrk chromium
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
