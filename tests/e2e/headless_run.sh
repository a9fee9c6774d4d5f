#!/usr/bin/env bash
# The game runs headless (dummy video driver), draws frames, and a scripted
# close (the terminate signal, which arrives as a close request) ends it with
# exit code 0.
set -uo pipefail
scratch=$(mktemp -d /tmp/glyphora-headless-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "$0")/fresh_copy.sh"
fresh_copy "$1" "$scratch/Glyphora" || { echo "FAIL: cannot make a fresh copy of $1"; exit 1; }
export XDG_DATA_HOME="$scratch/xdg" SDL_VIDEODRIVER=dummy ALSOFT_DRIVERS=null
(cd "$scratch/Glyphora/Data" && exec ./Game) &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || { echo "FAIL: the game stopped by itself"; exit 1; }
kill -TERM "$pid"
wait "$pid"
code=$?
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; exit 1; }
echo "headless run: ok"
