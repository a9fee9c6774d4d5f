#!/usr/bin/env bash
# The online high scores end to end, under a real X server and window
# manager, against our score server on loopback:
#   1. A fresh installation is pointed at the server by Data/Server.txt; a
#      game on Hard is played and ended, and the name is entered.
#   2. On the high-score screen a group name is typed and the online button
#      pressed: the server stores the entry with its group, the show page is
#      opened through a BROWSER that records its argument, and the window
#      stays where it was.
#   3. The page, loaded in headless Chromium, shows the tables with the
#      player's name marked; its screenshot is kept in OUTDIR for review.
#   4. Quitting deletes the server's last reply, Temp.txt.
# Arguments: GAME_FOLDER FRESHDATA SCORE_SERVER OUTDIR
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
freshdata=$2
scores=$3
outdir=$4
start_session "$1"
data="$scratch/Glyphora/Data"
mkdir -p "$outdir"

server_pid=""
online_cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  session_cleanup
}
trap online_cleanup EXIT

printf '1\nKEYBOARD 100\n' >"$scratch/words.txt"
"$freshdata" "$scratch/words.txt" "$data" || fail "cannot write a fresh installation"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$scores" --db "$scratch/scores.sqlite" --host 127.0.0.1 --port "$port" --threads 4 >"$scratch/server.log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do curl -sf "http://127.0.0.1:$port/health" >/dev/null && break; sleep 0.1; done
curl -sf "http://127.0.0.1:$port/health" >/dev/null || fail "the score server did not start: $(cat "$scratch/server.log")"
printf '# the club server\nhttp://127.0.0.1:%s\n' "$port" >"$data/Data/Server.txt"

printf '#!/bin/sh\necho "$1" >> %s\n' "$scratch/opened.txt" >"$scratch/browser.sh"
chmod +x "$scratch/browser.sh"
export BROWSER="$scratch/browser.sh"

window_x=290
window_y=191
click_at() {
  xdotool mousemove $((window_x + $1 - 1)) $((window_y + $2)) mousemove_relative 1 0
  sleep 0.3
  xdotool click 1
  sleep 0.4
}
eventually() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# ---- 1. A game on Hard, and the name -----------------------------------------
start_game
xdotool windowactivate --sync "$game_window"
sleep 10           # the intro's pictures; Show note comes after 7.15 s
click_at 625 417   # Show note
click_at 623 418   # Continue
click_at 408 225   # the difficulty up from Medium: Hard
click_at 349 414   # OK
click_at 81 414    # New game
xdotool type --delay 120 keyboard
sleep 0.3
keys Escape Escape
sleep 1
xdotool type --delay 120 Ada
keys Return        # the high-score screen, on the Hard table
sleep 1
regcode=$(sed -n 's/^regcode=\([0-9A-Z]*\).*/\1/p' "$data/Data/Settings.ini")
[ ${#regcode} -eq 20 ] || fail "no installation identifier in Settings.ini: '$regcode'"

# ---- 2. A group and the online button ----------------------------------------
click_at 253 413   # Groups
click_at 395 140   # the first group's field
xdotool type --delay 120 "Chess Club"
sleep 0.3
click_at 362 413   # Online scores
opened() { [ -s "$scratch/opened.txt" ]; }
eventually opened || fail "no page was opened; the server's log: $(cat "$scratch/server.log")"
expected="http://127.0.0.1:$port/glyphora/highscores/show.php?difficulty=2&grouptoshow=CHESS%20CLUB"
expected+="&playertoshow=ADA&regcode=$regcode&group0=CHESS%20CLUB&player0=ADA"
[ "$(cat "$scratch/opened.txt")" = "$expected" ] || fail "the page opened was $(cat "$scratch/opened.txt")"

[ "$("$scores" --db "$scratch/scores.sqlite" --count)" = 1 ] || fail "the server did not store the one entry once"
page=$(curl -sf "$(cat "$scratch/opened.txt")") || fail "the show page did not load"
grep -q '<tr class="player"><td class="rank">1</td><td class="name">ADA</td>' <<<"$page" ||
  fail "the show page does not mark ADA first on the Hard table"
grep -q '<a class="button current" href="[^"]*">CHESS CLUB</a>' <<<"$page" || fail "the page does not show the group"
grep -q "stored" "$data/Data/Temp.txt" || fail "the last reply is not in Temp.txt"
geometry=$(xwininfo -id "$game_window")
x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
[ "$x,$y" = "$window_x,$window_y" ] || fail "the window moved to $x,$y"

# ---- 3. The page in a browser --------------------------------------------------
HOME="$scratch" timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
  --user-data-dir="$scratch/chromium" --hide-scrollbars --window-size=800,900 --virtual-time-budget=3000 \
  --screenshot="$outdir/online-show-page.png" "$(cat "$scratch/opened.txt")" >/dev/null 2>&1 ||
  fail "headless Chromium could not load the page"
[ "$(stat -c %s "$outdir/online-show-page.png")" -gt 10000 ] || fail "the screenshot is empty"

# ---- 4. Quit -------------------------------------------------------------------
keys Escape        # from the high scores to the main menu
click_at 638 414   # Quit
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end"
game_pid=""
[ ! -e "$data/Data/Temp.txt" ] || fail "Temp.txt was left behind"
echo "online: ok (the page: $outdir/online-show-page.png)"
