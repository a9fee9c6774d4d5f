#!/usr/bin/env bash
# What a player hears, under a real X server with OpenAL Soft mixing into one
# WAVE file (its wave back end) for the whole session: the intro and its two
# sounds, clicks through its note and the difficulty choice, a run (the word
# on offer typed eight times over to a bonus, the music and the volume keys,
# the pause), the game over, then the window closed. glyphora-soundcheck
# finds each effect at the moment its key or click came (the intro's within
# the seconds it is due), the music during the run at the level F5 and F6
# set, and silence while paused.
# Usage: sound_e2e.sh GAME_FOLDER SOUNDCHECK
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
start_session "$1"
soundcheck="$2"
data="$scratch/Glyphora/Data"

# One word of ten letters: 100 points a word on Medium, so the eighth in a
# row overflows the bonus bar (700).
printf '1\nTYPEWRITER 100\n' >"$scratch/words.txt"
"$GLYPHORA_FRESHDATA" "$scratch/words.txt" "$data" >/dev/null || fail "cannot write a fresh installation"

# The effects as plain WAVE files, from their stored (byte-pair swapped) form.
mkdir -p "$scratch/effects"
for stored in "$data"/Sounds/*.ogg; do
  name=$(basename "$stored" .ogg)
  python3 -c 'import sys; b = open(sys.argv[1], "rb").read(); n = len(b) & ~1
open(sys.argv[2], "wb").write(bytes(b[i ^ 1] for i in range(n)) + b[n:])' "$stored" "$scratch/$name.ogg"
  oggdec -Q -o "$scratch/effects/$name.wav" "$scratch/$name.ogg" || fail "cannot decode $stored"
done

capture="$scratch/session.wav"
printf '[general]\ndrivers = wave\nfrequency = 44100\nchannels = stereo\nsample-type = float32\nperiod_size = 512\n[wave]\nfile = %s\n' \
  "$capture" >"$scratch/alsoft.conf"
export ALSOFT_CONF="$scratch/alsoft.conf" ALSOFT_DRIVERS=wave

events="$scratch/events.txt"
mark() { echo "$(date +%s.%N) $*" >>"$events"; }

window_x=290
window_y=191
# Moves onto a point of the window, then clicks there: a blip as the button
# is entered, a click as it is pressed.
click_at() {  # X Y [HOVER_EFFECT]
  [ -n "${3:-}" ] && mark "$3"
  xdotool mousemove $((window_x + $1 - 1)) $((window_y + $2)) mousemove_relative 1 0
  sleep 0.4
  mark BtnClick
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
  sleep 0.5
}
key() {  # KEY [EFFECT]
  [ -n "${2:-}" ] && mark "$2"
  xdotool key "$1"
  sleep 0.15
}

start_game
mark "within 4 Stop"          # the intro's sign comes a second after it starts
xdotool windowactivate --sync "$game_window"
sleep 4
mark "within 4 HoHoHo"        # and the greeting at 6.15 s
sleep 6            # the intro's pictures; Show note comes after 7.15 s
click_at 625 417   # Show note
click_at 623 418   # Continue, where Show note stood
xdotool mousemove 0 0
sleep 0.5
click_at 349 414 BtnMouseOver  # OK on the difficulty choice (Medium)
click_at 81 414 BtnMouseOver   # New game
xdotool mousemove 0 0
sleep 1

# Each key of the word sounds its letter, and a pop as well when it catches a
# falling letter (which may sound alone over the tick). Seven more words in a
# row and the bonus comes with the last key.
letters="WordLetter|Letter1|Letter2|Letter3|Letter4"
for letter in t y p e w r i t e r; do key "$letter" "$letters"; done
xdotool type --delay 60 typewritertypewritertypewritertypewritertypewritertypewritertypewrite
sleep 0.2
key r "DoubleBonus"
sleep 2

mark level music-7
sleep 2
for _ in 1 2 3; do key F5; done
mark level music-4
sleep 2
for _ in 1 2 3 4; do key F5; done
mark level music-0
sleep 2
for _ in 1 2 3 4 5 6 7; do key F6; done
mark level music-7-again
sleep 2

key F1
mark silence
sleep 2
key F1
sleep 0.5
key Escape        # asks whether to end the run
sleep 0.5
key Escape "anchor GameOver"
sleep 2

wmctrl -i -c "$game_window"
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end when its window was closed"
game_pid=""
[ -s "$capture" ] || fail "OpenAL wrote no capture"
# GLYPHORA_SOUND_KEEP=DIR keeps the capture, the events and the effects there.
[ -n "${GLYPHORA_SOUND_KEEP:-}" ] && mkdir -p "$GLYPHORA_SOUND_KEEP" &&
  cp -r "$capture" "$events" "$scratch/effects" "$GLYPHORA_SOUND_KEEP/"
"$soundcheck" "$capture" "$scratch/effects" "$events" || fail "the session did not sound as it should"
echo "sound: ok"
