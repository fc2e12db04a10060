#!/usr/bin/env bash
# Draws the programs' icon, assets/altostrat.ico (16, 24, 32 and 48 pixels): a dusk sky with the
# orange sun glow over rolling hills, the saver's scene in a square. Needs ImageMagick 6 or 7.
# The .ico is committed; run this again only to change the picture.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
im=convert
command -v magick >/dev/null 2>&1 && im="magick"

"$im" -size 256x256 gradient:'#1b2a6b-#f0b070' "$tmp/sky.png"
"$im" "$tmp/sky.png" \
    -fill '#ffd27a' -draw 'circle 168,118 168,80' \
    -fill '#3d6b35' -draw 'path "M 0,176 C 48,140 96,150 140,170 C 184,190 220,160 256,150 L 256,256 L 0,256 Z"' \
    -fill '#2a4d2a' -draw 'path "M 0,214 C 60,186 120,200 170,216 C 210,228 236,214 256,206 L 256,256 L 0,256 Z"' \
    -fill '#e8e8f0' -draw 'polygon 56,86 120,98 56,110 68,98' \
    -fill none -stroke '#0d1433' -strokewidth 10 -draw 'roundrectangle 5,5 250,250 36,36' \
    "$tmp/scene.png"
# Transparent outside the rounded frame.
"$im" -size 256x256 xc:black -fill white -draw 'roundrectangle 0,0 255,255 40,40' "$tmp/mask.png"
"$im" "$tmp/scene.png" "$tmp/mask.png" -alpha off -compose CopyOpacity -composite \
    "$tmp/scene.png"
for size in 16 24 32 48; do
    "$im" "$tmp/scene.png" -resize ${size}x${size} -depth 8 "$tmp/icon-$size.png"
done
"$im" "$tmp"/icon-16.png "$tmp"/icon-24.png "$tmp"/icon-32.png "$tmp"/icon-48.png \
    "$here/altostrat.ico"
echo "wrote $here/altostrat.ico"
