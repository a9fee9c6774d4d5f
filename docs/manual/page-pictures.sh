#!/usr/bin/env bash
# Writes every page of the manual as a picture, to look at them all:
# OUTDIR/manual-page-01.png, manual-page-02.png, …
#
#   page-pictures.sh MANUAL.pdf OUTDIR [DPI]
set -euo pipefail
pdf=$1
out=$2
dpi=${3:-80}
mkdir -p "$out"
rm -f "$out"/manual-page-*.png
pdftoppm -r "$dpi" -png "$pdf" "$out/manual-page"
echo "$(ls "$out"/manual-page-*.png | wc -l) pages of $pdf in $out"
