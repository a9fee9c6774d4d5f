#!/usr/bin/env bash
# A soak: random keys and mouse over every screen under a real X server and
# window manager, on the processor's drawing path.
#
#   soak.sh GAME_FOLDER [SECONDS [WARM_UP_SECONDS [MAX_GROWTH_KB]]]
#
# Fails on a crash (an exit other than the Quit button's 5; the game is
# started again after a Quit), on a sanitizer finding (run it on the game of
# a -DGLYPHORA_SANITIZE=ON build), on resident memory that grows by more than
# MAX_GROWTH_KB (default 1024) after the warm-up in the longest-lived game
# (not judged on a sanitized game, whose allocator holds freed memory back),
# and on data files that the next start reports as corrupted. CI runs the
# two-minute form; a release is soaked for thirty minutes:
#   tests/soak/soak.sh build/Glyphora 1800 120
set -uo pipefail
source "$(dirname "$0")/../e2e/x11_session.sh"
seconds=${2:-120}
warm_up=${3:-$((seconds / 4))}
max_growth_kb=${4:-1024}

start_session "$1"
export GLYPHORA_RENDERER=cpu BROWSER=true
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
log=$scratch/game.log

launch() {
  (cd "$scratch/Glyphora/Data" && exec ./Game) >>"$log" 2>&1 &
  game_pid=$!
  game_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Glyphora$' | head -n1)
  [ -n "$game_window" ] || fail "the game window did not appear: $(tail -5 "$log")"
  started=$SECONDS
  peak_warm=0 peak_after=0 logged_peak=0
  echo "game $game_pid" >>"$scratch/memory.log"
}

# Libraries loaded on first use (libcurl and its TLS stack for the online
# scores, about 8 MB) come in before the memory is judged: each game is taken
# through the intro where there is one and asked for the online scores.
visit_online_scores() {
  if [ "${intro_passed:-0}" -eq 0 ]; then
    sleep 8
    for _ in 1 2 3; do xdotool key Return; sleep 0.3; done
    intro_passed=1
  fi
  eval "$(xdotool getwindowgeometry --shell "$game_window" 2>/dev/null)" || return 0
  xdotool mousemove $((X + 250)) $((Y + 410)) click 1  # High scores
  sleep 1
  xdotool mousemove $((X + 310)) $((Y + 410)) click 1  # Online
  sleep 4
  xdotool key Escape
  sleep 0.5
}

rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status" 2>/dev/null || echo 0; }

# Records the game's memory: the peak by the end of the warm-up, and after it.
sample_memory() {
  local rss
  rss=$(rss_kb)
  [ "${rss:-0}" -gt 0 ] || return 0
  # A new peak is logged with the libraries mapped then: growth that comes
  # with a library loaded on first use is told apart from growth without.
  if [ "$rss" -gt "${logged_peak:-0}" ]; then
    logged_peak=$rss
    echo "$((SECONDS - started)) s: $rss kB, $(grep -c '\.so' "/proc/$game_pid/maps" 2>/dev/null) library mappings" >>"$scratch/memory.log"
  fi
  if [ $((SECONDS - started)) -lt "$warm_up" ]; then
    [ "$rss" -gt "$peak_warm" ] && peak_warm=$rss
  elif [ "$rss" -gt "$peak_after" ]; then
    peak_after=$rss
  fi
}

# The game ended: a Quit starts it again, anything else is a crash.
check_ended() {
  kill -0 "$game_pid" 2>/dev/null && return 0
  wait "$game_pid"
  local code=$?
  [ "$code" -eq 5 ] || fail "the game ended with $code: $(tail -20 "$log")"
  quits=$((quits + 1))
  remember_longest
  launch
  visit_online_scores
}

# The longest-lived game's memory is the one judged.
remember_longest() {
  local lived=$((SECONDS - started))
  if [ "$lived" -gt "${longest:-0}" ] && [ "$peak_after" -gt 0 ]; then
    longest=$lived longest_warm=$peak_warm longest_after=$peak_after
  fi
}

keys=(a b c d e f g h i j k l m n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9 space space
      Return Return Escape Tab Left Right Up Down BackSpace F1 F3 F4 F5 F6 F7 F8 KP_5 Y N)

# One random action: mostly typing, sometimes a key of the menus, a click
# anywhere in the window or a short drag.
random_action() {
  local x y roll=$((RANDOM % 100))
  eval "$(xdotool getwindowgeometry --shell "$game_window" 2>/dev/null)" || return 0
  if [ "$roll" -lt 75 ]; then
    xdotool key --delay 20 "${keys[RANDOM % ${#keys[@]}]}" 2>/dev/null
  elif [ "$roll" -lt 97 ]; then
    x=$((X + RANDOM % 700)) y=$((Y + RANDOM % 450))
    xdotool mousemove "$x" "$y" click 1 2>/dev/null
  else
    xdotool mousemove $((X + 350)) $((Y + 10)) mousedown 1 mousemove_relative -- $((RANDOM % 21 - 10)) 5 mouseup 1 2>/dev/null
  fi
}

quits=0 actions=0
launch
visit_online_scores
end=$((SECONDS + seconds))
last_sample=0
while [ "$SECONDS" -lt "$end" ]; do
  random_action
  actions=$((actions + 1))
  check_ended
  if [ "$SECONDS" -ne "$last_sample" ]; then sample_memory; last_sample=$SECONDS; fi
done
remember_longest
grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$log" && fail "a sanitizer finding"

kill -TERM "$game_pid" 2>/dev/null
timeout 10 tail --pid="$game_pid" -f /dev/null
game_pid=""

# The data files as the soak left them start without a corruption message.
launch
sleep 3
wmctrl -l | grep -q "Error: Corrupted Files" && fail "the next start reports corrupted files"

growth=$(( ${longest_after:-0} - ${longest_warm:-0} ))
echo "soak: $actions actions in $seconds s, $quits quits; the longest-lived game ran ${longest:-0} s:" \
     "peak RSS $((${longest_warm:-0} / 1024)) MB by the warm-up's end, growth after it ${growth} kB"
# AddressSanitizer keeps freed blocks in a quarantine of up to 256 MB, so a
# sanitized game's memory grows by design: its figure is shown, not judged.
if ldd "$scratch/Glyphora/Data/Game" | grep -q libasan; then
  echo "soak: a sanitized game; its memory growth is not judged"
else
  [ "$growth" -le "$max_growth_kb" ] || { tail -n 30 "$scratch/memory.log"; fail "resident memory grew by $growth kB after the warm-up"; }
fi
echo "soak: ok"
