#!/usr/bin/env bash
# The game window under a real X server and window manager: borderless,
# 700 x 450, placed by the first start in the middle of the screen at one
# third of its free height (it opens at (40, 30) and moves there at once) and
# by the next start where the last one left it; frames stop while it is
# inactive; closing it ends the game with exit code 0. It carries the
# game's icon.
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
start_session "$1"
start_game

geometry=$(xwininfo -id "$game_window")
x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
w=$(awk '/Width:/ {print $NF}' <<<"$geometry")
h=$(awk '/Height:/ {print $NF}' <<<"$geometry")
# A fresh installation is a first run: on the 1280 x 1024 screen the window goes
# to ((1280 - 700) / 2, (1024 - 450) / 3).
[ "$x,$y,$w,$h" = "290,191,700,450" ] || fail "window at $x,$y size ${w}x$h"
extents=$(xprop -id "$game_window" _NET_FRAME_EXTENTS | sed 's/.*= //')
[ "$extents" = "0, 0, 0, 0" ] || fail "the window manager decorated the window: $extents"
# The icon is set just after the window maps; a busy machine may show it late.
has_icon() { xprop -id "$game_window" _NET_WM_ICON | grep -q "Icon (64 x 64)"; }
for _ in $(seq 50); do has_icon && break; sleep 0.1; done
has_icon || fail "the window carries no icon"

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
grep -q "first_run=0" "$scratch/Glyphora/Data/Data/Settings.ini" || fail "the settings were not saved at exit"
start_game
x=$(xwininfo -id "$game_window" | awk '/Absolute upper-left X/ {print $NF}')
y=$(xwininfo -id "$game_window" | awk '/Absolute upper-left Y/ {print $NF}')
[ "$x,$y" = "290,191" ] || fail "the second start put the window at $x,$y"
wmctrl -i -c "$game_window"
wait "$game_pid"
game_pid=""
echo "window: ok (active $active wakeups/s, inactive $inactive wakeups/s)"
