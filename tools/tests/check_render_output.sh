#!/usr/bin/env bash
# altostrat-tool render: a 1024 x 768 PPM of the flight from three capture files, on both
# texture paths; a folder without capture files is refused with exit code 1.
#
# The picture itself is checked against the capture files: the sky picture is one plain colour
# (the fog's colour too) and the glow a small disc on black, so the top corners of the frame
# must show the sky's colour; the desktop is one plain red, so the ground just below the
# aircraft, where the fog has barely begun, must show that red and not the white of
# untextured ground.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/captures" "$work/empty"
convert -size 64x64 xc:'#d3edfe' BMP3:"$work/captures/Altostrat1.bmp"
convert -size 320x240 xc:'#c83c28' -type TrueColor BMP3:"$work/captures/Altostrat2.bmp"
convert -size 64x64 xc:black -fill white -draw 'circle 32,32 32,38' -type TrueColor \
    BMP3:"$work/captures/Altostrat3.bmp"

# near FILE X Y R G B TOLERANCE: the pixel lies within TOLERANCE (sum over the channels).
near() {
    local r g b
    read -r r g b < <(convert "$1" -format \
        '%[fx:int(255*p{'"$2,$3"'}.r)] %[fx:int(255*p{'"$2,$3"'}.g)] %[fx:int(255*p{'"$2,$3"'}.b)]\n' info:)
    local dr=$((r - $4)) dg=$((g - $5)) db=$((b - $6))
    local distance=$((${dr#-} + ${dg#-} + ${db#-}))
    [ "$distance" -le "$7" ] || { echo "pixel $2,$3 is $r $g $b, not near $4 $5 $6"; return 1; }
}

for path in "" --single-unit; do
    "$tool" render --capture-dir "$work/captures" --frames 3 --time 1700000000 \
        --out "$work/frame.ppm" $path
    header=$(head -c 16 "$work/frame.ppm" | tr '\n' ' ')
    [ "$header" = "P6 1024 768 255 " ] || { echo "bad PPM header: $header"; exit 1; }
    size=$(stat -c %s "$work/frame.ppm")
    [ "$size" -eq $((16 + 1024 * 768 * 3)) ] || { echo "PPM has $size bytes"; exit 1; }
    near "$work/frame.ppm" 20 5 211 237 254 12
    near "$work/frame.ppm" 1000 5 211 237 254 12
    near "$work/frame.ppm" 512 760 200 60 40 60
done

if "$tool" render --capture-dir "$work/empty" --frames 1 --time 0 --out "$work/none.ppm" \
    2>"$work/err"; then
    echo "rendering without capture files should fail"; exit 1
fi
grep -q "capture files" "$work/err" || { echo "no message for missing captures"; exit 1; }
[ ! -e "$work/none.ppm" ] || { echo "a picture was written without a scene"; exit 1; }
echo "render output ok"
