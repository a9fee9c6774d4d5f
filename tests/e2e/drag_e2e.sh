#!/usr/bin/env bash
# The frameless window is moved by dragging it: a press anywhere inside
# starts a drag, the window follows the cursor, and the release ends it.
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
start_session "$1"
start_game

window_position() {
  xwininfo -id "$game_window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x "," y}'
}

xdotool windowactivate --sync "$game_window"
sleep 0.5  # loading is done and frames run
[ "$(window_position)" = "40,30" ] || fail "the window starts at $(window_position)"

# SDL reads the global cursor; a one-pixel nudge after each jump keeps it fresh.
xdotool mousemove 300 200 mousemove_relative 1 0
sleep 0.2
xdotool mousedown 1
sleep 0.2
for _ in $(seq 10); do
  xdotool mousemove_relative 12 8
  sleep 0.05
done
xdotool mousemove_relative 1 0
sleep 0.3
xdotool mouseup 1
sleep 0.3
[ "$(window_position)" = "161,110" ] || fail "after dragging by (121, 80) the window is at $(window_position)"

# Moving with the button up moves the cursor only.
xdotool mousemove_relative 40 40 mousemove_relative 1 0
sleep 0.3
[ "$(window_position)" = "161,110" ] || fail "the window moved without a press: $(window_position)"
echo "drag: ok"
