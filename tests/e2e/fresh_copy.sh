# Shared by the whole-program tests: a copy of the assembled game folder as a
# fresh installation, whatever `make run` or an earlier test left in it.
# Source it, then call fresh_copy GAME_FOLDER DESTINATION. Needs
# GLYPHORA_FRESHDATA (the fresh-data tool) and GLYPHORA_WORDLIST (the plain
# word list), which CTest sets.

fresh_copy() {
  cp -r "$1" "$2" || return 1
  # What playing writes: the data files, the bundled audio libraries that the
  # runtime installer copies, the server's last reply.
  rm -rf "$2/Data/Data" "$2/Data/lib"
  "$GLYPHORA_FRESHDATA" "$GLYPHORA_WORDLIST" "$2/Data" >/dev/null
}
