#!/usr/bin/env bash
# Every screen with the keyboard alone, under a real X server: from a fresh
# installation through the intro and its note, the difficulty, a game and its
# name entry, the high scores and a group's name, the free game (a box, a slider, Start) and
# Settings (the name, the difficulty, both volumes, the F3 question), each
# screen left by its key; then Quit. What was chosen is read back from the
# files the game saved.
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
start_session "$1"
data="$scratch/Glyphora/Data"

one_word_installation

tabs() {
  for _ in $(seq "$1"); do xdotool key Tab; sleep 0.05; done
}
setting() { tr -d '\r' <"$data/Data/Settings.ini" | awk -F= -v k="$1" '$1 == k { print $2; exit }'; }
# The name at rank 1 of a local table (see play_e2e.sh for the layout).
leader_name() {
  od -An -v -tu1 -j $(($1 * 5 * 64)) -N 40 "$data/Data/Scores.txt" |
    tr -s ' ' '\n' | sed '/^$/d' | awk 'NR % 2 == 0 { if ($1 == 0) exit; printf "%c", $1 }'
}

start_game
xdotool windowactivate --sync "$game_window"
# The mouse stays away from the window: only keys from here on.
xdotool mousemove 5 5
sleep 10                    # the intro's pictures; the note's button comes after 7.15 s
keys Return Return          # the note, then Continue
keys Left Return            # Easy, OK: the main menu
keys Tab Return             # New game
xdotool type --delay 120 keyboard
keys Escape Escape          # the run ends
sleep 1                     # the name field opens 750 ms after the game-over screen
xdotool type --delay 120 Kim
keys Return                 # the high scores
[ "$(leader_name 0)" = "Kim" ] || fail "the Easy table's first place holds '$(leader_name 0)'"
keys Tab Tab Return         # Groups: the focus goes into the first group's name
xdotool type --delay 120 crew
keys Escape                 # the main menu
keys Tab Tab Return         # the free game
keys Tab space              # the first box cleared
tabs 10
keys Right Right            # the start level: 3
tabs 4
keys Return                 # Start
sleep 0.5
keys Escape Escape
sleep 0.5
keys Escape                 # from the game-over screen to the main menu
keys Left Left Left Return  # Settings
keys Tab
xdotool type --delay 120 zed
keys Return Right Right     # the name taken, the difficulty up to Hard
keys Tab Left Left          # music 5
keys Down Right             # sound 8
keys Tab space              # no question before F3
keys Escape                 # the main menu; Settings are saved
[ "$(setting default_name)" = "zed" ] || fail "default_name=$(setting default_name)"
[ "$(setting difficulty)" = "2" ] || fail "difficulty=$(setting difficulty)"
[ "$(setting music)" = "5" ] || fail "music=$(setting music)"
[ "$(setting sound)" = "8" ] || fail "sound=$(setting sound)"
[ "$(setting query_F3)" = "0" ] || fail "query_F3=$(setting query_F3)"
[ "$(setting start_level)" = "3" ] || fail "start_level=$(setting start_level)"
[ "$(setting keys)" = "0010101010" ] || fail "keys=$(setting keys)"
[ "$(setting 0)" = "crew" ] || fail "the first group is '$(setting 0)'"
keys Left Return            # Quit
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "Quit did not end the game"
wait "$game_pid"
code=$?
game_pid=""
[ "$code" -eq 5 ] || fail "exit code $code after Quit"
echo "keys: ok"
