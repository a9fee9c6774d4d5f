#!/usr/bin/env bash
# The game window under a real X server and window manager: borderless at
# (40, 30), 700 x 450; frames stop while it is inactive; closing it ends the
# game with exit code 0.
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
start_session "$1"
start_game

geometry=$(xwininfo -id "$game_window")
x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
w=$(awk '/Width:/ {print $NF}' <<<"$geometry")
h=$(awk '/Height:/ {print $NF}' <<<"$geometry")
[ "$x,$y,$w,$h" = "40,30,700,450" ] || fail "window at $x,$y size ${w}x$h"
extents=$(xprop -id "$game_window" _NET_FRAME_EXTENTS | sed 's/.*= //')
[ "$extents" = "0, 0, 0, 0" ] || fail "the window manager decorated the window: $extents"

xdotool windowactivate --sync "$game_window"
active=$(wakeups_over 1)
[ "$active" -ge 20 ] || fail "an active window ran only $active frames a second"

# Another window takes the focus: the game is deactivated and stops drawing.
xmessage -name other "another window" &
other_pid=$!
other=$(timeout 10 xdotool search --sync --onlyvisible --name '^other$' | head -n1)
xdotool windowactivate --sync "$other"
sleep 0.3
inactive=$(wakeups_over 1)
[ "$inactive" -le 3 ] || fail "an inactive window still woke $inactive times a second"
kill "$other_pid"

wmctrl -i -c "$game_window"
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end when its window was closed"
wait "$game_pid"
code=$?
game_pid=""
[ "$code" -eq 0 ] || fail "exit code $code after closing the window"
echo "window: ok (active $active wakeups/s, inactive $inactive wakeups/s)"
