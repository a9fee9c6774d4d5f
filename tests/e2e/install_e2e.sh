#!/usr/bin/env bash
# make install and make uninstall in a scratch prefix (with a blank in its
# name): the game folder as a fresh installation, a launcher script that
# starts it, a menu entry that desktop-file-validate accepts, the icon in
# every size; uninstall leaves nothing behind, not even what the game made in
# its folder, and no file it did not write. Installing over a played copy
# keeps the player's data, and uninstalling then keeps it and says so.
set -uo pipefail
build=$1
installer=$(dirname "$0")/../../assets/desktop/install.sh
scratch=$(mktemp -d /tmp/glyphora-install-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix="$scratch/my prefix"
game=$prefix/lib/glyphora

bash "$installer" install "$prefix" "$build" >"$scratch/out" || fail "install: $(cat "$scratch/out")"
for file in bin/glyphora lib/glyphora/Preflight lib/glyphora/Data/Game lib/glyphora/Data/OpenAL/install-runtime; do
  [ -x "$prefix/$file" ] || fail "$file is not installed as a program"
done
for file in lib/glyphora/Manual/Manual.pdf lib/glyphora/Manual/Graphics.html lib/glyphora/Data/Data/Backup/Hashes.txt; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
grep -q "first_run=1" "$game/Data/Data/Settings.ini" || fail "the installed data files are not a fresh installation"
desktop-file-validate "$prefix/share/applications/glyphora.desktop" || fail "the menu entry is not valid"
grep -qxF "Exec=\"$prefix/bin/glyphora\"" "$prefix/share/applications/glyphora.desktop" || fail "the menu entry starts something else"
# A PNG's width and height stand big-endian at bytes 16 to 23.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 16 22 24 32 48 64 128 256; do
  [ "$(png_size "$prefix/share/icons/hicolor/${size}x$size/apps/glyphora.png")" = "${size}x$size" ] ||
    fail "no ${size}px icon"
done

# The launcher script starts the installed launcher. Without a display its
# check fails and it opens the installed graphics page.
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$scratch" >"$scratch/browser"
chmod +x "$scratch/browser"
(cd / && env -u DISPLAY -u SDL_VIDEODRIVER BROWSER="$scratch/browser" "$prefix/bin/glyphora") 2>/dev/null ||
  fail "the installed launcher failed"
for _ in $(seq 100); do [ -s "$scratch/opened" ] && break; sleep 0.05; done
[ "$(cat "$scratch/opened")" = "$game/Manual/Graphics.html" ] || fail "the launcher opened: $(cat "$scratch/opened")"
[ -f "$game/Data/Data/Libraries.ini" ] || fail "the installed launcher wrote no record"
mkdir -p "$game/Data/lib" && cp "$game/Data/OpenAL/runtime/libogg.so.0" "$game/Data/lib/"  # as the game's installer does

bash "$installer" uninstall "$prefix" >"$scratch/out" || fail "uninstall: $(cat "$scratch/out")"
[ ! -e "$prefix" ] || fail "left behind: $(cd "$prefix" && find . -mindepth 1 | head)"
echo "install and uninstall into a new prefix: ok"

# A prefix in use: what was there before stays, exactly.
mkdir -p "$prefix/bin" "$prefix/share/applications"
echo mine >"$prefix/bin/other"
bash "$installer" install "$prefix" "$build" >/dev/null || fail "the install into a used prefix failed"
bash "$installer" uninstall "$prefix" >/dev/null || fail "the uninstall from a used prefix failed"
[ "$(cd "$prefix" && find . -mindepth 1 | sort | tr '\n' ' ')" = "./bin ./bin/other ./share ./share/applications " ] ||
  fail "the used prefix now holds: $(cd "$prefix" && find . -mindepth 1 | sort | tr '\n' ' ')"

# A played copy: installing again and uninstalling keep the player's data.
bash "$installer" install "$prefix" "$build" >/dev/null || fail "install failed"
printf '[options]\nfirst_run=0\n' >"$game/Data/Data/Settings.ini"
bash "$installer" install "$prefix" "$build" >"$scratch/out" || fail "the second install failed"
grep -q "were kept" "$scratch/out" || fail "the second install did not say it kept the data: $(cat "$scratch/out")"
grep -q "first_run=0" "$game/Data/Data/Settings.ini" || fail "the second install replaced the player's settings"
bash "$installer" uninstall "$prefix" >"$scratch/out" || fail "the last uninstall failed"
grep -q "stay in $game/Data/Data/" "$scratch/out" || fail "the uninstall did not say where the data stays: $(cat "$scratch/out")"
[ "$(cd "$game" && find . -mindepth 1 | sort | tr '\n' ' ')" = "./Data ./Data/Data ./Data/Data/Settings.ini " ] ||
  fail "beside the player's data the uninstall left: $(cd "$game" && find . -mindepth 1 | sort | tr '\n' ' ')"
# A system-wide install, read-only to the player: the game keeps the
# player's data in their own folder and says nothing of failed saves. Run as
# an unprivileged user, since root may write anywhere.
if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null; then
  bash "$installer" install "$prefix" "$build" >/dev/null || fail "install failed"
  chmod -R a-w "$game" && chmod a+rx "$scratch"
  home=$scratch/home && mkdir -p "$home" && chown nobody "$home"
  before=$(sha256sum "$game/Data/Data/Settings.ini")
  (cd "$game/Data" && timeout 4 runuser -u nobody -- env -u XDG_DATA_HOME HOME="$home" SDL_VIDEODRIVER=dummy \
    ALSOFT_DRIVERS=null ./Game) >"$scratch/out" 2>&1
  own=$home/.local/share/glyphora
  [ -f "$own/Data/Settings.ini" ] && [ -f "$own/Data/Backup/Hashes.txt" ] || fail "no data of the player's own in $own"
  [ -L "$own/Graphics" ] || fail "the player's folder does not link the game's pictures"
  ! grep -q "Could Not Save" "$scratch/out" || fail "the game could not save: $(cat "$scratch/out")"
  [ "$(sha256sum "$game/Data/Data/Settings.ini")" = "$before" ] || fail "the installed settings changed"
  chmod -R u+w "$game"
  bash "$installer" uninstall "$prefix" >/dev/null || fail "uninstall failed"
  echo "a read-only install keeps the player's data in their own folder: ok"
fi
echo "install: ok"
