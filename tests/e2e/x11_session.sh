# Shared by the end-to-end tests: a virtual display with a window manager, a
# scratch copy of the assembled game and a scratch XDG_DATA_HOME.
# Source it, then call start_session GAME_FOLDER [SCREEN], SCREEN as WxH
# (1280x1024 unless given).
source "$(dirname "${BASH_SOURCE[0]}")/fresh_copy.sh"

session_cleanup() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "${scratch:-}" ] && rm -rf "$scratch"
  return 0
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

start_session() {
  scratch=$(mktemp -d /tmp/glyphora-e2e-XXXXXX)
  trap session_cleanup EXIT
  fresh_copy "$1" "$scratch/Glyphora" || fail "cannot make a fresh copy of $1"
  export XDG_DATA_HOME="$scratch/xdg"
  mkdir -p "$XDG_DATA_HOME"
  export ALSOFT_DRIVERS=null
  Xvfb -displayfd 1 -screen 0 "${2:-1280x1024}x24" -nolisten tcp >"$scratch/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$scratch/display")"
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
  wmctrl -m >/dev/null 2>&1 || fail "no window manager on $DISPLAY"
}

# Starts the game in its Data folder; sets game_pid and game_window.
start_game() {
  (cd "$scratch/Glyphora/Data" && exec ./Game) &
  game_pid=$!
  game_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Glyphora$' | head -n1)
  [ -n "$game_window" ] || fail "the game window did not appear"
}

# Voluntary context switches of the game over a while: a loop that runs frames
# sleeps to every display refresh, a blocked one does not wake at all.
wakeups_over() {
  local before after
  before=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$game_pid/status")
  sleep "$1"
  after=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$game_pid/status")
  echo $((after - before))
}

# A fresh installation whose word list holds one word, KEYBOARD, so that the
# word on offer is known.
one_word_installation() {
  printf '1\nKEYBOARD 100\n' >"$scratch/words.txt"
  "$GLYPHORA_FRESHDATA" "$scratch/words.txt" "$scratch/Glyphora/Data" || fail "cannot write a fresh installation"
}

# Presses keys at a player's pace and lets the game answer.
keys() {
  xdotool key --delay 120 "$@"
  sleep 0.3
}
