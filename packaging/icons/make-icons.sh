#!/usr/bin/env bash
# Draws the program's two icons (normal and capture flash) at every size Windows asks for:
# 16, 20, 24, 32, 40, 48 and 64 pixels and a 256-pixel image for Explorer's large views.
# The icons are committed; run this only to change them.
#   packaging/icons/make-icons.sh [output folder]    (default: app/win32/res)
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-app/win32/res}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sizes=(16 20 24 32 40 48 64 256)

# One image of SIZE pixels: a rounded square in COLOUR with three white lines of text, drawn on
# a 32-unit grid at eight times the size and scaled down, so that the edges are smooth.
draw() {  # draw SIZE COLOUR FILE
  local size=$1 colour=$2 file=$3
  local big=$((size * 8))
  local r
  r=$(awk -v b="$big" 'BEGIN { printf "%.1f", b * 6 / 32 }')
  # Edges snap to whole pixels of the final size, so that the lines stay sharp at 16 pixels.
  rect() { awk -v s="$size" -v a="$1" -v b="$2" -v c="$3" -v d="$4" \
    'function p(x) { return int(x * s / 32 + 0.5) * 8 }
     BEGIN { printf "rectangle %d,%d %d,%d", p(a), p(b), p(c) - 1, p(d) - 1 }'; }
  convert -size "${big}x${big}" xc:none \
    -fill "$colour" -draw "round$(rect 2 2 30 30) $r,$r" \
    -fill white -draw "$(rect 9 7 23 11)" -draw "$(rect 9 13 23 17)" -draw "$(rect 9 19 19 23)" \
    -filter Box -resize "${size}x${size}" "$file"
}

make_icon() {  # make_icon COLOUR NAME
  local files=()
  for size in "${sizes[@]}"; do
    draw "$size" "$1" "$work/$2-$size.png"
    files+=("$work/$2-$size.png")
  done
  # The 256-pixel image is stored as PNG inside the icon, as Windows expects it.
  convert "${files[@]}" "$out/$2.ico"
  identify "$out/$2.ico" | awk '{ print $1, $3 }'
}

make_icon '#2a6fdb' quillbox
make_icon '#e8a317' capture
