#!/usr/bin/env bash
# Puts the assembled game into the desktop, and takes it out again.
#
#   install.sh install PREFIX BUILD   copies BUILD/Glyphora to PREFIX/lib/glyphora and
#                                     adds PREFIX/bin/glyphora, the menu entry
#                                     PREFIX/share/applications/glyphora.desktop and
#                                     the icon in PREFIX/share/icons/hicolor/
#   install.sh uninstall PREFIX       removes what the install wrote
#
# The install writes a manifest, PREFIX/lib/glyphora/.install-manifest: every
# file it wrote with its checksum, and every folder that is the game's or
# that it made. The uninstall removes those files and the folders left empty,
# and nothing else but what the game makes for itself in its folder and can
# make again (the audio libraries its installer copied to Data/lib/, the
# launcher's note, the scratch file of the online exchange). The player's data
# files in Data/Data/ (settings, high scores, their backups) are kept when the
# player's games have changed them, and the uninstall says where.
#
# The game folder is installed as a fresh installation whatever was played in
# the build's copy: its data files are written anew with the build's
# glyphora-freshdata. Installing over an installed copy replaces the game and
# keeps the player's data files.
set -euo pipefail

usage() { echo "usage: install.sh install PREFIX BUILD | install.sh uninstall PREFIX" >&2; exit 2; }
mode=${1:-}
prefix=${2:-}
[ -n "$mode" ] && [ -n "$prefix" ] || usage
case $prefix in /*) ;; *) prefix=$(pwd)/$prefix ;; esac
game_dir=$prefix/lib/glyphora
manifest=$game_dir/.install-manifest
launcher=$prefix/bin/glyphora
entry=$prefix/share/applications/glyphora.desktop
here=$(cd "$(dirname "$0")" && pwd)

lines=()  # of the manifest being written

# Makes a folder and the missing ones above it, recording those it made.
make_folder() {
  [ -d "$1" ] && return 0
  make_folder "$(dirname "$1")"
  mkdir "$1"
  lines+=("folder - $1")
}

# Copies a file into place with the given permissions and records it.
put() {
  make_folder "$(dirname "$2")"
  install -m "$3" "$1" "$2"
  lines+=("file $(sha256sum "$2" | cut -d' ' -f1) $2")
}

# A path as one word of a shell command: in single quotes, each ' as '\''.
shell_quoted() { printf "'%s'" "${1//\'/\'\\\'\'}"; }

# A program path as the Exec key of a menu entry takes it: in double quotes,
# with ", `, $ and \ escaped by a backslash, % doubled, and the backslashes
# of that escaping doubled again as the key's string type wants.
desktop_exec_quoted() {
  local path=$1
  path=${path//\\/\\\\}
  path=${path//\"/\\\"}
  path=${path//\`/\\\`}
  path=${path//\$/\\\$}
  path=${path//%/%%}
  path=${path//\\/\\\\}
  printf '"%s"' "$path"
}

is_player_data() { [[ $1 == "$game_dir/Data/Data/"* ]]; }

# A copy of the assembled game folder with fresh data files and nothing that
# playing in it has made.
stage_game() {
  local build=$1 stage=$2
  [ -x "$build/Glyphora/Preflight" ] && [ -x "$build/Glyphora/Data/Game" ] && [ -x "$build/tools/glyphora-freshdata" ] ||
    { echo "install: $build/Glyphora is not assembled: run make build" >&2; exit 1; }
  cp -a "$build/Glyphora/." "$stage/"
  rm -rf "$stage/Data/Data" "$stage/Data/lib"
  "$build/tools/glyphora-freshdata" "$here/../wordlist.txt" "$stage/Data" >/dev/null
}

install_game() {
  local build=$1
  dist=$(mktemp -d /tmp/glyphora-install-XXXXXX)
  trap 'rm -rf "$dist"' EXIT
  stage_game "$build" "$dist"
  [ ! -f "$manifest" ] || uninstall_game quiet
  make_folder "$game_dir"
  local folder file target
  while read -r folder; do
    make_folder "$game_dir/$folder"
    lines+=("folder - $game_dir/$folder")
  done < <(cd "$dist" && find . -mindepth 1 -type d | sed 's|^\./||' | sort)
  lines+=("folder - $game_dir")
  while read -r file; do
    target=$game_dir/$file
    if [ -e "$target" ] && is_player_data "$target"; then
      lines+=("kept - $target")
      continue
    fi
    put "$dist/$file" "$target" "$([ -x "$dist/$file" ] && echo 755 || echo 644)"
  done < <(cd "$dist" && find . -type f | sed 's|^\./||' | sort)
  install_desktop_files "$build"
  printf '%s\n' "${lines[@]}" >"$manifest"
  echo "Glyphora is installed in $game_dir: start it from the desktop's menu or with $launcher"
  if grep -q '^kept ' "$manifest"; then echo "Your settings and high scores in $game_dir/Data/Data/ were kept."; fi
  case ":$PATH:" in *":$prefix/bin:"*) ;; *) echo "Note: $prefix/bin is not on your PATH." ;; esac
}

install_desktop_files() {
  local build=$1 scratch picture size
  scratch=$(mktemp)
  printf '#!/bin/sh\n# Starts Glyphora through its launcher.\nexec %s "$@"\n' "$(shell_quoted "$game_dir/Preflight")" >"$scratch"
  put "$scratch" "$launcher" 755
  local entry_text
  entry_text=$(<"$here/glyphora.desktop.in")
  printf '%s\n' "${entry_text//@LAUNCHER@/"$(desktop_exec_quoted "$launcher")"}" >"$scratch"
  put "$scratch" "$entry" 644
  rm -f "$scratch"
  for picture in "$build"/icons/hicolor/*/apps/glyphora.png; do
    size=$(basename "$(dirname "$(dirname "$picture")")")
    put "$picture" "$prefix/share/icons/hicolor/$size/apps/glyphora.png" 644
  done
}

# What the game makes in its own folder and can make again.
remove_files_the_game_made() {
  rm -f "$game_dir"/Data/lib/*.so* "$game_dir"/Data/lib/.*.partial.*
  rmdir "$game_dir/Data/lib" 2>/dev/null || true
  rm -f "$game_dir/Data/Data/Libraries.ini" "$game_dir/Data/Data/Temp.txt"
}

uninstall_game() {
  local quiet=${1:-} kind sum path kept=0
  [ -f "$manifest" ] || { echo "uninstall: Glyphora is not installed in $prefix" >&2; exit 1; }
  local folders=()
  while read -r kind sum path; do
    case $kind in
      folder) folders+=("$path") ;;
      kept) kept=1 ;;
      file)
        if [ -f "$path" ] && is_player_data "$path" && [ "$(sha256sum "$path" | cut -d' ' -f1)" != "$sum" ]; then
          kept=1
        else
          rm -f "$path"
        fi ;;
    esac
  done <"$manifest"
  remove_files_the_game_made
  rm -f "$manifest"
  # Deepest first; a folder that still holds something stays.
  printf '%s\n' "${folders[@]}" | awk '{ print gsub("/", "/"), $0 }' | sort -rn | cut -d' ' -f2- |
    while read -r path; do rmdir "$path" 2>/dev/null || true; done
  [ -n "$quiet" ] && return 0
  echo "Glyphora is uninstalled from $prefix."
  if [ "$kept" -eq 1 ] && [ -d "$game_dir/Data/Data" ]; then
    echo "Your settings and high scores stay in $game_dir/Data/Data/: delete that folder to remove them too."
  fi
}

case $mode in
  install) install_game "${3:?}" ;;
  uninstall) uninstall_game ;;
  *) usage ;;
esac
