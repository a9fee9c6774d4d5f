#!/usr/bin/env bash
# The audio-runtime installer on a scratch copy of the game's Data/OpenAL/:
# it copies every bundled library into Data/lib/ byte for byte from any
# current folder, says nothing with -s, keeps installed libraries without -f
# and replaces them with it, and fails with a message when Data/lib/ cannot
# be made.
set -uo pipefail
dist=$1
scratch=$(mktemp -d /tmp/glyphora-installer-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$scratch/Data"
cp -r "$dist/Data/OpenAL" "$scratch/Data/OpenAL"
installer=$scratch/Data/OpenAL/install-runtime
payload=$scratch/Data/OpenAL/runtime
lib=$scratch/Data/lib
for needed in libopenal.so.1 libvorbisfile.so.3 libvorbis.so.0 libogg.so.0; do
  [ -f "$payload/$needed" ] || fail "the payload lacks $needed"
done

out=$(cd / && "$installer" -s -f 2>&1) || fail "the installer failed: $out"
[ -z "$out" ] && echo "silent install: ok" || fail "-s still printed: $out"
[ "$(ls -A "$lib")" = "$(ls -A "$payload")" ] || fail "Data/lib holds $(ls -A "$lib" | tr '\n' ' ')"
for library in "$payload"/*; do
  cmp -s "$library" "$lib/$(basename "$library")" || fail "$(basename "$library") differs from the payload"
done

echo stale >"$lib/libogg.so.0"
out=$("$installer") || fail "a second install failed"
grep -q "kept *libogg.so.0" <<<"$out" || fail "without -f: $out"
[ "$(cat "$lib/libogg.so.0")" = stale ] || fail "without -f an installed library was replaced"
"$installer" -s -f || fail "the forced install failed"
cmp -s "$payload/libogg.so.0" "$lib/libogg.so.0" || fail "-f did not replace the installed library"
[ -z "$(ls -A "$lib" | grep partial)" ] || fail "partial files were left behind"

rm -rf "$lib"
touch "$lib"  # a file where the folder should be: nothing can be installed
out=$("$installer" -s -f 2>&1)
code=$?
[ "$code" -eq 1 ] || fail "an impossible install exited with $code"
grep -q "cannot write to" <<<"$out" || fail "no reason given: $out"

"$installer" -x 2>/dev/null
[ $? -eq 2 ] || fail "an unknown option was accepted"
echo "installer: ok"
