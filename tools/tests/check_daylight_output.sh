#!/usr/bin/env bash
# altostrat-tool render --daytime: the flight under the sky of a given local time, drawn over
# the sample desktop with the glider, held to what anyone looking at the frames would say.
# Late in the night the frame is far darker than at noon, yet not black: the ground and the
# glider still show. At sunset the sky just above the horizon is red, not blue, and far redder
# than the same rows at noon (where the sun's orange glow, straight ahead, already warms them).
# One minute later the frame has hardly changed, while an hour later it has. A time that is no
# time of day is refused.
set -euo pipefail
tool=$1
model=$2
desktop=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/captures"
convert "$desktop" -type TrueColor BMP3:"$work/captures/Altostrat2.bmp"

render() {
    "$tool" render --capture-dir "$work/captures" --frames 3 --time 1700000000 --model "$model" \
        --daytime "$1" --out "$work/$2.ppm"
}
render 12:00 noon
render 23:00 night
render 18:00 evening
render 18:01 minute-later
render 19:00 hour-later
render 18:30 sunset

# brightness FILE: the frame's mean grey, 0 to 255.
brightness() {
    convert "$1" -colorspace gray -format '%[fx:int(255*mean)]\n' info:
}
# apart A B: the mean difference of the two frames per channel, in thousandths of the range.
apart() {
    convert "$1" "$2" -compose difference -composite -format '%[fx:int(1000*mean)]\n' info:
}
# redder_than_blue FILE: how much redder than blue the band of sky just above the horizon is,
# 0 to 255 (negative: bluer).
redder_than_blue() {
    convert "$1" -crop 1024x40+0+330 +repage -format '%[fx:int(255*(mean.r-mean.b))]\n' info:
}

noon=$(brightness "$work/noon.ppm")
night=$(brightness "$work/night.ppm")
echo "mean brightness: $noon at noon, $night at 23:00"
[ "$night" -lt $((noon * 35 / 100)) ] || { echo "the night is not dark"; exit 1; }
[ "$night" -ge 8 ] || { echo "the night is black"; exit 1; }

sunset=$(redder_than_blue "$work/sunset.ppm")
day=$(redder_than_blue "$work/noon.ppm")
echo "sky above the horizon, red minus blue: $sunset at 18:30, $day at noon"
[ "$sunset" -gt 40 ] && [ "$sunset" -gt $((day + 60)) ] || { echo "no red sky at sunset"; exit 1; }

minute=$(apart "$work/evening.ppm" "$work/minute-later.ppm")
hour=$(apart "$work/evening.ppm" "$work/hour-later.ppm")
echo "18:00 differs from 18:01 by $minute, from 19:00 by $hour (thousandths)"
[ "$minute" -le 8 ] || { echo "one minute changes the frame visibly"; exit 1; }
[ "$hour" -ge 40 ] || { echo "an hour hardly changes the frame"; exit 1; }

for bad in 24:00 12:60 7:5 noon 12:00:00 -1:00; do
    if "$tool" render --capture-dir "$work/captures" --frames 1 --time 0 --daytime "$bad" \
        --out "$work/bad.ppm" 2>"$work/err"; then
        echo "--daytime $bad should be refused"; exit 1
    fi
    grep -q -- "--daytime" "$work/err" || { echo "no message for --daytime $bad"; exit 1; }
done
echo "daylight output ok"
