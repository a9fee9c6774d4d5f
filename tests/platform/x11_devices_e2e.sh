#!/usr/bin/env bash
# The devices on a real X server (Xvfb with openbox), which has no graphics
# card: the CPU device is chosen and loads no OpenGL; the OpenGL probe finds
# Mesa's software renderer without loading OpenGL itself; SDL's OpenGL renderer
# (forced) shows each quad's own texture; the busiest play scene and the main
# menu look the same on both paths (the accelerated renderer being OpenGL on
# llvmpipe here); and the game's idle main menu on that renderer shows no
# frame of garbage in many grabs of its window (Mesa's slower softpipe makes a
# wrong frame last longer, so a grab meets it sooner).
# Arguments: the game folder, x11_device_check and glyphora-bench.
set -uo pipefail
source "$(dirname "$0")/../e2e/x11_session.sh"
check=$2
bench=$3
start_session "$1"

"$check" no-opengl || fail "the CPU path on Xvfb"
"$check" probe || fail "the OpenGL probe"
"$check" gl-binding || fail "SDL's OpenGL renderer drew a quad with another texture"
"$bench" pictures "$scratch/pictures" || fail "the CPU device's pictures differ from OpenGL's"

# A first start is the intro; the second shows the main menu.
start_game
sleep 2
wmctrl -i -c "$game_window"
wait "$game_pid"
game_pid=""
(cd "$scratch/Glyphora/Data" && GLYPHORA_RENDERER=sdl GALLIUM_DRIVER=softpipe exec ./Game) &
game_pid=$!
game_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Glyphora$' | head -n1)
[ -n "$game_window" ] || fail "the game window did not appear"
xdotool mousemove 1270 1010 mousemove_relative 1 0
xdotool windowactivate --sync "$game_window"
grep -q libGLX_mesa "/proc/$game_pid/maps" || fail "the game does not draw through OpenGL"
sleep 3
"$bench" window-shot "$scratch/menu.png" || fail "cannot grab the window"
"$bench" window-watch "$scratch/menu.png" 2000 || fail "frames of garbage on the idle main menu"
wmctrl -i -c "$game_window"
wait "$game_pid"
game_pid=""
echo "x11 devices: ok"
