#!/usr/bin/env bash
# The window at whole-number scales on a large screen: the start-up choice,
# F11 cycling, a click at a button's scaled place, a drag in screen pixels,
# the scale kept over a restart, and the window manager's full screen with
# the picture centred at 3x.
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
start_session "$1" 2560x1440

window_geometry() {
  xwininfo -id "$game_window" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF}
         END {print x, y, w, h}'
}
window_size() { window_geometry | awk '{print $3 "x" $4}'; }
wait_for_size() {
  for _ in $(seq 40); do [ "$(window_size)" = "$1" ] && return 0; sleep 0.1; done
  fail "$2: the window is $(window_size), not $1"
}
# Clicks the game's point (x, y) where the window shows it: origin + scale * point.
click_game_point() {
  local scale=$1 ox=$2 oy=$3 x=$4 y=$5
  xdotool mousemove $((ox + scale * x)) $((oy + scale * y)) mousemove_relative 1 0
  sleep 0.3
  xdotool click 1
}
wait_for_exit() {
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || return 0; sleep 0.1; done
  fail "$1: the game is still running"
}
quit_x=638 quit_y=414  # the middle of the main menu's Quit button

start_game
xdotool windowactivate --sync "$game_window"
wait_for_size 1400x900 "on 2560 x 1440 the game starts at 2x"

# F11: 3x, then 1x, then doubled again.
for size in 2100x1350 700x450 1400x900; do
  xdotool key F11
  wait_for_size "$size" "F11"
done
scale_kept() {
  for _ in $(seq 30); do [ "$(cat "$scratch/Glyphora/Data/Data/WindowScale.txt" 2>/dev/null)" = "2" ] && return 0; sleep 0.1; done
  fail "the scale is not kept in its file"
}
scale_kept

# A drag moves the window by the mouse's movement, in screen pixels.
read -r x y _ < <(window_geometry)
xdotool mousemove $((x + 700)) $((y + 300)) mousemove_relative 1 0
sleep 0.2
xdotool mousedown 1
sleep 0.2
for _ in $(seq 10); do xdotool mousemove_relative 12 8; sleep 0.05; done
xdotool mousemove_relative 1 0
sleep 0.3
xdotool mouseup 1
sleep 0.3
read -r x2 y2 _ < <(window_geometry)
[ "$((x2 - x)),$((y2 - y))" = "121,80" ] || fail "dragged by (121, 80), the window moved by ($((x2 - x)), $((y2 - y)))"

# Through the intro with keys, then Quit clicked where 2x shows it.
sleep 8
for _ in 1 2 3; do xdotool key Return; sleep 0.3; done
click_game_point 2 "$x2" "$y2" "$quit_x" "$quit_y"
wait_for_exit "Quit clicked at its 2x place"

# The scale survives the restart; the window manager's full screen shows the
# picture at 3x in the middle, and the mouse finds Quit there.
start_game
xdotool windowactivate --sync "$game_window"
wait_for_size 1400x900 "after a restart"
wmctrl -i -r "$game_window" -b add,fullscreen
wait_for_size 2560x1440 "full screen"
sleep 0.5
click_game_point 3 230 45 "$quit_x" "$quit_y"
wait_for_exit "Quit clicked at its full-screen place"
echo "scale: ok"
