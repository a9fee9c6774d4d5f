#!/usr/bin/env bash
# soundcheck.sh SOUNDDIR OUTDIR
#
# For every Ogg file under SOUNDDIR/Sounds and SOUNDDIR/Music (the
# generator's output, or an assembled game's Data/ folder, whose effects are
# stored byte-pair swapped), writes a spectrogram OUTDIR/NAME.png and prints
# its length, peak and RMS in dBFS, and the RMS after the game's default
# volume (music at gain 0.5, effects at 0.7). For each track it then prints
# the RMS of its five 20-second parts and, at each part boundary, how far the
# last 25 ms before it lie below the part (a clean start needs a wide gap).
# Exits non-zero when a file peaks at or above -1 dBFS. Needs sox with Ogg
# support.
set -euo pipefail
shopt -s nullglob

if [ $# -ne 2 ]; then
  echo "usage: soundcheck.sh SOUNDDIR OUTDIR" >&2
  exit 2
fi
in=$1
out=$2
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A plain copy of FILE: stored effects begin with "gOSg" instead of "OggS".
plain_copy() {
  local file=$1 copy=$scratch/$(basename "$1")
  if [ "$(head -c 4 "$file")" = "gOSg" ]; then
    dd if="$file" of="$copy" conv=swab status=none
  else
    cp "$file" "$copy"
  fi
  echo "$copy"
}

# "peak rms length" of FILE (or of the part given by sox trim arguments),
# from sox's stats (overall column).
levels() {
  local file=$1
  shift
  sox "$file" -n trim "${@:-0}" stats 2>&1 | awk '
    /^Pk lev dB/ { peak = $4 }
    /^RMS lev dB/ { rms = $4 }
    /^Length s/ { length_s = $3 }
    END { printf "%s %s %s", peak, rms, length_s }'
}

printf '%-18s %8s %9s %9s %14s\n' file seconds "peak dB" "RMS dB" "RMS in game"
status=0
for folder in Sounds Music; do
  [ -d "$in/$folder" ] || continue
  if [ $folder = Music ]; then gain_db=-6.02; width=1200; else gain_db=-3.10; width=600; fi
  for file in "$in/$folder"/*.ogg; do
    name=$(basename "$file" .ogg)
    copy=$(plain_copy "$file")
    read -r peak rms seconds <<<"$(levels "$copy")"
    in_game=$(awk -v r="$rms" -v g="$gain_db" 'BEGIN { printf "%.1f", r + g }')
    printf '%-18s %8.2f %9.2f %9.2f %14s\n' "$folder/$name" "$seconds" "$peak" "$rms" "$in_game"
    awk -v p="$peak" 'BEGIN { exit !(p >= -1.0) }' && { echo "  $name peaks at or above -1 dBFS" >&2; status=1; }
    sox "$copy" -n spectrogram -x $width -y 257 -t "$folder/$name" -o "$out/$name.png"
  done
done
part_lines=()
for file in "$in/Music"/*.ogg; do
  parts="" gaps=""
  for part in 0 1 2 3 4; do
    read -r _ rms _ <<<"$(levels "$file" $((part * 20)) 20)"
    parts="$parts $(printf '%6.1f' "$rms")"
    if [ $part -gt 0 ]; then
      read -r _ tail _ <<<"$(levels "$file" "$((part * 20 - 1)).975" 0.025)"
      gaps="$gaps $(awk -v p="$previous" -v t="$tail" 'BEGIN { printf "%5.1f", p - t }')"
    fi
    previous=$rms
  done
  part_lines+=("$(printf '%-18s %s   %s' "Music/$(basename "$file" .ogg)" "$parts" "$gaps")")
done
if [ ${#part_lines[@]} -gt 0 ]; then
  echo
  printf '%-18s %s   %s\n' track "RMS of parts 1-5 (dB)          " "dB below the part, 25 ms before 20/40/60/80 s"
  printf '%s\n' "${part_lines[@]}"
fi
exit $status
