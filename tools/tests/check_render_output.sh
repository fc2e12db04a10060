#!/usr/bin/env bash
# altostrat-tool render: a 1024 x 768 PPM of the flight from three capture files, on both
# texture paths; a folder without capture files is refused with exit code 1.
set -euo pipefail
tool=$1 source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/captures" "$work/empty"
convert -size 64x64 xc:'#d3edfe' BMP3:"$work/captures/Altostrat1.bmp"
convert "$source_dir/assets/sample-desktop.png" -type TrueColor BMP3:"$work/captures/Altostrat2.bmp"
convert -size 64x64 radial-gradient:'#606060'-black -type TrueColor BMP3:"$work/captures/Altostrat3.bmp"

for path in "" --single-unit; do
    "$tool" render --capture-dir "$work/captures" --frames 3 --time 1700000000 \
        --out "$work/frame.ppm" $path
    header=$(head -c 16 "$work/frame.ppm" | tr '\n' ' ')
    [ "$header" = "P6 1024 768 255 " ] || { echo "bad PPM header: $header"; exit 1; }
    size=$(stat -c %s "$work/frame.ppm")
    [ "$size" -eq $((16 + 1024 * 768 * 3)) ] || { echo "PPM has $size bytes"; exit 1; }
done

if "$tool" render --capture-dir "$work/empty" --frames 1 --time 0 --out "$work/none.ppm" \
    2>"$work/err"; then
    echo "rendering without capture files should fail"; exit 1
fi
grep -q "capture files" "$work/err" || { echo "no message for missing captures"; exit 1; }
[ ! -e "$work/none.ppm" ] || { echo "a picture was written without a scene"; exit 1; }
echo "render output ok"
