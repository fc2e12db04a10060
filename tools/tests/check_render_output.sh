#!/usr/bin/env bash
# altostrat-tool render: a 1024 x 768 PPM of the flight from three capture files, on both
# texture paths; a folder without capture files is refused with exit code 1.
#
# The picture itself is checked against the capture files: the sky picture is one plain colour
# (the fog's colour too) and the glow a small disc on black, so the top corners of the frame
# must show the sky's colour; the desktop is one plain red, so the ground just below the
# aircraft, where the fog has barely begun, must show that red and not the white of
# untextured ground.
#
# Without a model the frames must be exactly those the tool drew before the aircraft had a
# light of its own: the fingerprints below were taken from the tool built at that point (the
# commit before the aircraft's light), over these same capture files, in straight flight on
# both texture paths and in the first turn. A deliberate change to the scene's look changes
# them, and they must then be taken again from the tool that makes that change alone.
#
# With --model the glider shows around the middle of the frame and nowhere else; a model file
# that cannot be read is refused with exit code 1. The frame with the glider is held to the one
# the tool drew before the sky could follow the clock (taken from the commit before that), so
# the fixed sky keeps its light on the aircraft exactly.
set -euo pipefail
tool=$1
model=$2
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

declare -A before=(
    [straight]=ecb79d9f466c612e6c5db66765c4dbbcab04fafe516c1e69b34574e204b55c55
    [straight--single-unit]=d5f19e1688d4bef66fe01f37720780d07652ca2c412e5c06c8f8824cd18291b7
    [turn]=011497169cbe99291b493d976c81c9cb9183f3ab7bab8667fde8ceedebdec094
    [glider]=4707d5942afe0788fcfbfbe7589745679c4855cfc1c5bc69e404d1db429a36ef
)
# fingerprint NAME FILE: the frame is the one recorded above.
fingerprint() {
    local sum
    sum=$(sha256sum "$2" | cut -d' ' -f1)
    [ "$sum" = "${before[$1]}" ] || { echo "frame '$1' changed: $sum"; return 1; }
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
    fingerprint "straight$path" "$work/frame.ppm"
done
# Step 240 at this clock is deep in a right turn: the aircraft would be banked and turned.
"$tool" render --capture-dir "$work/captures" --frames 240 --time 1700000000 --out "$work/turn.ppm"
fingerprint turn "$work/turn.ppm"

# The glider: every pixel it changes lies within a box around the middle of the frame, seen
# against the last straight frame above (the single-unit path's).
"$tool" render --capture-dir "$work/captures" --frames 3 --time 1700000000 --single-unit \
    --out "$work/glider.ppm" --model "$model"
fingerprint glider "$work/glider.ppm"
box=$(convert "$work/frame.ppm" "$work/glider.ppm" -compose difference -composite \
    -threshold 0 -format '%@' info:)
read -r w h x y < <(echo "$box" | tr 'x+' '  ')
[ "$w" -gt 100 ] && [ "$h" -gt 20 ] || { echo "the glider hardly shows: $box"; exit 1; }
[ "$x" -ge 312 ] && [ $((x + w)) -le 712 ] && [ "$y" -ge 284 ] && [ $((y + h)) -le 584 ] ||
    { echo "the frame changed outside the middle: $box"; exit 1; }
if "$tool" render --capture-dir "$work/captures" --frames 1 --time 0 --out "$work/no.ppm" \
    --model "$work/missing.ms3d" 2>"$work/err"; then
    echo "rendering with a missing model should fail"; exit 1
fi
grep -q "missing.ms3d" "$work/err" || { echo "no message for the missing model"; exit 1; }

if "$tool" render --capture-dir "$work/empty" --frames 1 --time 0 --out "$work/none.ppm" \
    2>"$work/err"; then
    echo "rendering without capture files should fail"; exit 1
fi
grep -q "capture files" "$work/err" || { echo "no message for missing captures"; exit 1; }
[ ! -e "$work/none.ppm" ] || { echo "a picture was written without a scene"; exit 1; }
echo "render output ok"
