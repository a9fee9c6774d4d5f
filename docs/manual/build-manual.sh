#!/usr/bin/env bash
# Builds the manual from the chapters beside this script (NN-*.md, in order):
# Manual.pdf (pandoc to one HTML page, typeset by WeasyPrint), Manual.rtf
# (pandoc) and Graphics.html (the chapter on the graphics requirements on its
# own: the page the launcher opens when its graphics check fails).
#
#   build-manual.sh OUTDIR
set -euo pipefail
source_dir=$(cd "$(dirname "$0")" && pwd)
out=$1
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d /tmp/glyphora-manual-XXXXXX)
trap 'rm -rf "$work"' EXIT

cd "$source_dir"
chapters=([0-9][0-9]-*.md)
common=(--standalone --metadata-file=metadata.yaml --toc --toc-depth=2)

pandoc "${chapters[@]}" "${common[@]}" --css=manual.css --self-contained -o "$work/Manual.html"
weasyprint --quiet "$work/Manual.html" "$work/Manual.pdf"
pandoc "${chapters[@]}" "${common[@]}" -o "$work/Manual.rtf"
pandoc 10-graphics.md --standalone --self-contained --css=page.css \
  --metadata title="Glyphora: graphics requirements" --metadata lang=en -o "$work/Graphics.html"

mv "$work/Manual.pdf" "$work/Manual.rtf" "$work/Graphics.html" "$out/"
