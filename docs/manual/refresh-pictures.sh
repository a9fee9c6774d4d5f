#!/usr/bin/env bash
# Takes the manual's pictures afresh from the tour: runs the real game
# through its screens with glyphora-tour into a scratch folder and copies the
# pictures that the chapters show into pictures/. Run it after a change to
# what the game shows, look at the pictures, and commit them.
#
#   refresh-pictures.sh build/tools/glyphora-tour
set -euo pipefail
tour=$1
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d /tmp/glyphora-manual-tour-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
"$tour" "$scratch" >/dev/null
for picture in $(grep -ho 'pictures/[a-z0-9-]*\.png' "$here"/[0-9][0-9]-*.md | sort -u); do
  cp "$scratch/$(basename "$picture")" "$here/$picture"
  echo "$picture"
done
