#!/usr/bin/env bash
# A player's first sessions under a real X server and window manager, with
# the mouse and the keyboard only:
#   1. A fresh installation starts on the intro: after its pictures, Show note,
#      then Continue; Hard is chosen on the difficulty choice, then OK; New
#      game; a few letters and the word on offer are typed; Esc, Esc ends the
#      run; a name is typed and confirmed, and stands at the top of the Hard
#      table; then the game is killed, as a crash or a logout would end it.
#   2. The next start shows no intro and no corruption message, the name is
#      still in the table, and the Quit button ends the game with exit code 5.
#   3. With Settings.ini edited between starts, the start reports the
#      corrupted files and restores them from the backups.
# The installation's word list holds one word, so the word on offer is known.
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
start_session "$1"
data="$scratch/Glyphora/Data"

one_word_installation

# Where a first start puts the window on the 1280 x 1024 screen.
window_x=290
window_y=191

# Clicks at a point of the window; the cursor is still while the button is down.
click_at() {
  xdotool mousemove $((window_x + $1 - 1)) $((window_y + $2)) mousemove_relative 1 0
  sleep 0.3
  xdotool click 1
  sleep 0.4
}


# The name at a place of a local table. Scores.txt holds 64-byte records,
# difficulty by difficulty and rank 1 first, each opening with 20 name bytes
# interleaved with filler; the file is stored with every byte pair swapped,
# so the name bytes stand at the odd offsets.
table_name() {  # DIFFICULTY RANK
  od -An -v -tu1 -j $(((($1 * 5) + $2 - 1) * 64)) -N 40 "$data/Data/Scores.txt" |
    tr -s ' ' '\n' | sed '/^$/d' | awk 'NR % 2 == 0 { if ($1 == 0) exit; printf "%c", $1 }'
}

# The message box's title is only in _NET_WM_NAME, which wmctrl reads.
# True once the command succeeds, trying for up to five seconds.
eventually() {
  for _ in $(seq 50); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

hard_leader_is() { [ "$(table_name 2 1)" = "$1" ]; }

corruption_box() {
  wmctrl -l | awk '/ Error: Corrupted Files$/ { print $1; exit }'
}

wait_for_exit() {  # EXPECTED_CODE WHAT
  timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end after $2"
  wait "$game_pid"
  local code=$?
  game_pid=""
  [ "$code" -eq "$1" ] || fail "exit code $code after $2"
}

# ---- 1. The first session ---------------------------------------------------
start_game
xdotool windowactivate --sync "$game_window"
sleep 10  # the intro's pictures; Show note comes after 7.15 s
[ -z "$(corruption_box)" ] || fail "a fresh installation was reported corrupted"
click_at 625 417   # Show note
click_at 623 418   # Continue, where Show note stood
click_at 408 225   # the difficulty up from Medium: Hard
click_at 349 414   # OK
click_at 81 414    # New game
keys q z x
xdotool type --delay 120 keyboard
sleep 0.3
keys Escape Escape
sleep 1            # the name field opens 750 ms after the game-over screen
xdotool type --delay 120 Ada
keys Return
eventually hard_leader_is Ada || fail "the Hard table's first place holds '$(table_name 2 1)'"
grep -q "difficulty=2" "$data/Data/Settings.ini" || fail "the difficulty chosen was not saved"
# The session ends without a shutdown, as a crash or the end of the X session
# would end it: what was saved must stand, with hashes that agree.
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""

# ---- 2. The next start --------------------------------------------------------
start_game
xdotool windowactivate --sync "$game_window"
sleep 2
[ -z "$(corruption_box)" ] || fail "the start after a killed session reported corrupted files"
[ "$(table_name 2 1)" = "Ada" ] || fail "after a killed session the Hard table's first place holds '$(table_name 2 1)'"
click_at 638 414   # Quit
wait_for_exit 5 "the Quit button"
[ "$(table_name 2 1)" = "Ada" ] || fail "after a restart the Hard table's first place holds '$(table_name 2 1)'"
grep -q "first_run=0" "$data/Data/Settings.ini" || fail "the first run was not recorded"

# ---- 3. An edited settings file -----------------------------------------------
cp "$data/Data/Settings.ini" "$scratch/Settings.good"
sed -i 's/^difficulty=2/difficulty=0/' "$data/Data/Settings.ini"
cmp -s "$data/Data/Settings.ini" "$scratch/Settings.good" && fail "the edit did not change the file"
start_game
box=""
for _ in $(seq 100); do
  box=$(corruption_box)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no corruption message for an edited Settings.ini"
xdotool windowactivate --sync $((box))
keys Return
sleep 1
[ -z "$(corruption_box)" ] || fail "the corruption message did not close with Enter"
cmp -s "$data/Data/Settings.ini" "$scratch/Settings.good" || fail "Settings.ini was not restored"
xdotool windowactivate --sync "$game_window"
sleep 0.5
keys Left Return
wait_for_exit 5 "Quit after the restore"
[ "$(table_name 2 1)" = "Ada" ] || fail "the restored table lost the name"
echo "play: ok"
