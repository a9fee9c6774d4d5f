#!/usr/bin/env bash
# The installer's path end to end on a scratch game folder. With the system's
# audio libraries hidden (bind mounts in a private mount namespace: nothing on
# the machine changes), the first audio start-up finds no runtime, the
# installer runs, and the second binds the bundled libraries from Data/lib/.
# With the system's libraries visible, the first attempt succeeds and nothing
# is installed. Skipped (77) where no mount namespace can be made.
set -uo pipefail
dist=$1
probe=$2
libdir=$3
scratch=$(mktemp -d /tmp/glyphora-audio-runtime-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export ALSOFT_DRIVERS=null

mkdir -p "$scratch/Data"
cp -r "$dist/Data/OpenAL" "$scratch/Data/OpenAL"
cp "$probe" "$scratch/Data/audio-probe"

out=$("$scratch/Data/audio-probe") || fail "with the system's libraries: $out"
grep -qx "attempt 1: 0" <<<"$out" || fail "with the system's libraries: $out"
grep -q "installer" <<<"$out" && fail "the installer ran although the runtime was there"
[ -e "$scratch/Data/lib" ] && fail "something was installed although the runtime was there"

namespace=(unshare --mount)
[ "$(id -u)" -eq 0 ] || namespace=(unshare --user --map-root-user --mount)
if ! "${namespace[@]}" true 2>/dev/null; then
  echo "SKIP: no private mount namespace here (${namespace[*]})"
  exit 77
fi
# Hidden: the two runtime libraries, and those of their companions that the
# program itself does not load at its start (SDL's sound libraries may).
hide=""
needed=$(ldd "$probe")
for library in libopenal.so.1 libvorbisfile.so.3 libsndio.so.7.0 libvorbis.so.0 libogg.so.0; do
  if grep -q "^\s*$library " <<<"$needed"; then
    case $library in libopenal.so.1 | libvorbisfile.so.3) fail "the probe itself loads $library" ;; esac
    continue
  fi
  [ -e "$libdir/$library" ] && hide+="mount --bind /dev/null $(readlink -f "$libdir/$library") && "
done
out=$("${namespace[@]}" sh -c "${hide}exec '$scratch/Data/audio-probe'" 2>&1)
code=$?
echo "$out"
grep -qx "attempt 1: 3" <<<"$out" || fail "the hidden runtime was still found"
grep -qx "installer started: yes" <<<"$out" || fail "the installer did not start"
grep -qx "attempt 2: 0" <<<"$out" || fail "the second attempt failed"
grep -qx "libopenal.so.1 from $scratch/Data/lib/libopenal.so.1" <<<"$out" || fail "OpenAL not from Data/lib"
grep -qx "libvorbisfile.so.3 from $scratch/Data/lib/libvorbisfile.so.3" <<<"$out" || fail "vorbisfile not from Data/lib"
[ "$code" -eq 0 ] || fail "exit code $code"
echo "audio runtime installed and bound: ok"
