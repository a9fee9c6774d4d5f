#!/usr/bin/env bash
# Measures the game as a player without graphics acceleration runs it: on a
# virtual X display (Xvfb with openbox), once per drawing path, from a scratch
# copy of the assembled game folder.
#
#   tools/measure-cpu-path.sh [BUILD_DIR [PATH...]]
#
# PATH is a value of GLYPHORA_RENDERER: cpu (the CPU device) or sdl (SDL's
# renderer, here OpenGL on Mesa's llvmpipe); both by default. For each path:
#   start      milliseconds from starting Game to its window showing the main
#              menu (median of 5 starts, alternating between the paths;
#              glyphora-bench first-frame watches the window)
#   idle menu  processor use of the game and of the X server over 10 s on the
#              main menu with nothing moving
#   medium run the same over 10 s of a Medium run right after New game (F3),
#              the frames a second (the game's wake-ups), the game's peak
#              resident memory, and whether LLVM or OpenGL were loaded
set -uo pipefail
build=$(realpath "${1:-build}")
shift || true
paths=("$@")
[ ${#paths[@]} -eq 0 ] && paths=(cpu sdl)
bench="$build/tools/glyphora-bench"
[ -x "$build/Glyphora/Data/Game" ] && [ -x "$bench" ] || { echo "build Game and glyphora-bench first" >&2; exit 1; }

scratch=$(mktemp -d /tmp/glyphora-measure-XXXXXX)
cleanup() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$scratch/display")"
openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
cp -r "$build/Glyphora" "$scratch/Glyphora"
export XDG_DATA_HOME="$scratch/xdg" ALSOFT_DRIVERS=null
mkdir -p "$XDG_DATA_HOME"
data="$scratch/Glyphora/Data"
xdotool mousemove 1270 1010  # the cursor away from the window: no hover effects

start_game() {  # PATH
  (cd "$data" && GLYPHORA_RENDERER=$1 exec ./Game 2>/dev/null) &
  game_pid=$!
}
game_window() { timeout 20 xdotool search --sync --onlyvisible --name '^Glyphora$' | head -n1; }
stop_game() {
  wmctrl -c Glyphora
  wait "$game_pid"
  game_pid=""
}
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
wakeups() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/status"; }

# Processor use of the game and the X server over SECONDS, in per cent of
# one core, and the game's wake-ups a second.
measure() {
  local hz g0 x0 w0 g1 x1 w1
  hz=$(getconf CLK_TCK)
  g0=$(ticks "$game_pid"); x0=$(ticks "$xvfb_pid"); w0=$(wakeups "$game_pid")
  sleep "$1"
  g1=$(ticks "$game_pid"); x1=$(ticks "$xvfb_pid"); w1=$(wakeups "$game_pid")
  awk -v g=$((g1 - g0)) -v x=$((x1 - x0)) -v w=$((w1 - w0)) -v s="$1" -v hz="$hz" \
    'BEGIN { printf "game %5.2f %%  X server %5.2f %%  %3.0f wake-ups/s", 100 * g / hz / s, 100 * x / hz / s, w / s }'
}

# The first start is a first run (the intro); it records itself and ends.
start_game cpu
game_window >/dev/null && sleep 2
stop_game
# What the main menu looks like, for the start measurement.
start_game cpu
xdotool windowactivate --sync "$(game_window)"
sleep 3
"$bench" window-shot "$scratch/menu.png" || { echo "cannot see the game's window" >&2; exit 1; }
stop_game

# The starts of all paths alternate, so that each sees the same load.
declare -A starts
for _ in 1 2 3 4 5; do
  for path in "${paths[@]}"; do
    t0=$(date +%s%N)
    start_game "$path"
    starts[$path]+="$("$bench" first-frame "$scratch/menu.png" "$t0" 10000 || echo timeout) "
    stop_game
  done
done

# The X server alone, for its share of what follows.
x0=$(ticks "$xvfb_pid"); sleep 5; x1=$(ticks "$xvfb_pid")
echo "X server with no game running: $(awk -v x=$((x1 - x0)) -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.2f %%", 100 * x / hz / 5 }')"

for path in "${paths[@]}"; do
  start_game "$path"
  window=$(game_window)
  xdotool windowactivate --sync "$window"
  sleep 3
  idle=$(measure 10)
  xdotool key --window "$window" F3
  sleep 0.2
  run=$(measure 10)
  rss=$(awk '/^VmHWM/ {print $2}' "/proc/$game_pid/status")
  loaded=$(grep -oE 'libLLVM[^ ]*|libGLX?[_a-z]*\.so[^ ]*|swrast_dri\.so' "/proc/$game_pid/maps" | sort -u | tr '\n' ' ')
  stop_game
  read -ra times <<<"${starts[$path]}"
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
  echo "path $path"
  echo "  start to the main menu: median $median ms (${times[*]})"
  echo "  idle main menu:         $idle"
  echo "  medium run:             $run"
  echo "  peak resident memory:   $((rss / 1024)) MB ($rss kB)"
  echo "  OpenGL/LLVM loaded:     ${loaded:-none}"
done
