#!/usr/bin/env bash
# The launcher on this machine under a real X server, started from another
# folder as a desktop entry would: its graphics check passes, the record
# holds exactly "[DirectX]", CR LF, "Installed=1", and the game starts in its
# Data folder; a second start leaves the record alone. Without a game
# program it says so in a message box and on stderr and exits with 1.
# Without any display the check fails: the record says 0, the question goes
# to stderr, its default answer opens our graphics page in the browser, and
# no game starts.
set -uo pipefail
source "$(dirname "$0")/x11_session.sh"
start_session "$1"
folder=$scratch/Glyphora
record=$folder/Data/Data/Libraries.ini
rm -f "$record"

(cd / && exec "$folder/Preflight") 2>"$scratch/stderr"
code=$?
[ "$code" -eq 0 ] || fail "Preflight exited with $code: $(cat "$scratch/stderr")"
game_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Glyphora$' | head -n1)
[ -n "$game_window" ] || fail "the game window did not appear"
game_pid=$(xdotool getwindowpid "$game_window")
[ "$(readlink "/proc/$game_pid/cwd")" = "$(readlink -f "$folder/Data")" ] || fail "the game runs in $(readlink "/proc/$game_pid/cwd")"
cmp -s "$record" <(printf '[DirectX]\r\nInstalled=1') || fail "the record holds: $(od -c "$record")"
wmctrl -i -c "$game_window"
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end"
game_pid=""

touch -d '2001-01-01' "$record"
before=$(stat -c %Y "$record")
(cd / && exec "$folder/Preflight") || fail "the second start failed"
game_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Glyphora$' | head -n1)
[ -n "$game_window" ] || fail "the second start showed no game"
game_pid=$(xdotool getwindowpid "$game_window")
[ "$(stat -c %Y "$record")" = "$before" ] || fail "a record of 1 was rewritten"
wmctrl -i -c "$game_window"
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end"
game_pid=""

mv "$folder/Data/Game" "$folder/Data/Game.away"
(cd / && exec "$folder/Preflight") 2>"$scratch/stderr" &
launcher_pid=$!
# SDL's message box names itself in UTF-8 only, which xdotool's search misses.
box=""
for _ in $(seq 200); do
  box=$(xwininfo -root -tree | awk '/"Glyphora": \(\)/ {print $1; exit}')
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no message box told that the game cannot start"
xdotool key --window "$box" Return
timeout 10 tail --pid="$launcher_pid" -f /dev/null || fail "the launcher did not end after the message"
wait "$launcher_pid"
code=$?
[ "$code" -eq 1 ] || fail "a launcher without its game exited with $code"
grep -q "cannot start the game: .*/Data/Game" "$scratch/stderr" || fail "stderr: $(cat "$scratch/stderr")"
mv "$folder/Data/Game.away" "$folder/Data/Game"

cat >"$scratch/browser" <<SCRIPT
#!/bin/sh
echo "\$1" >> "$scratch/opened"
SCRIPT
chmod +x "$scratch/browser"
rm -f "$record"
(cd / && unset DISPLAY && BROWSER="$scratch/browser" exec "$folder/Preflight") 2>"$scratch/stderr"
code=$?
[ "$code" -eq 0 ] || fail "without a display Preflight exited with $code"
grep -q "DirectX Update: Your version of DirectX library is too old" "$scratch/stderr" ||
  fail "no question on stderr: $(cat "$scratch/stderr")"
cmp -s "$record" <(printf '[DirectX]\r\nInstalled=0') || fail "after a failed check the record holds: $(od -c "$record")"
for _ in $(seq 100); do [ -s "$scratch/opened" ] && break; sleep 0.05; done
[ "$(cat "$scratch/opened" 2>/dev/null)" = "$folder/Manual/Graphics.html" ] ||
  fail "the browser was given: $(cat "$scratch/opened" 2>/dev/null)"
sleep 0.5
for process in /proc/[0-9]*; do
  [ "$(readlink "$process/exe" 2>/dev/null)" = "$folder/Data/Game" ] && fail "a game started after a failed check"
done
echo "preflight: ok"
