#!/usr/bin/env bash
# Regenerates the host's built-in pictures in assets/ (or in the folder given): the sky and the
# glow straight from the generator, and the preview still from a frame that the renderer draws
# offscreen over the sample desktop with those two pictures, behind the paper glider; and the
# aircraft model (glider.ms3d), which the generator writes along with the pictures. The frame's
# glider is the one generated in the same run, so the still always shows the committed model.
#
#   scripts/make-assets.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-assets}")
# The test that compares the committed files hands in the programs it has built.
generator=${ALTOSTRAT_ASSETS_GENERATOR:-}
tool=${ALTOSTRAT_TOOL:-}
if [ -z "$generator" ] || [ -z "$tool" ]; then
    [ -f build/native/build.ninja ] || cmake --preset native >/dev/null
    cmake --build build/native --target altostrat-assets altostrat-tool >/dev/null
    generator=build/native/assets/generator/altostrat-assets
    tool=build/native/tools/altostrat-tool
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$work/t_wisp"
"$generator" "$work" sky.bmp glow.bmp glider.ms3d
cp "$work/sky.bmp" "$work/t_wisp/Altostrat1.bmp"
cp "$work/glow.bmp" "$work/t_wisp/Altostrat3.bmp"
convert assets/sample-desktop.png -type TrueColor BMP3:"$work/t_wisp/Altostrat2.bmp"
# A fixed clock and frame count: the flight, and so the frame, are the same at every run. This
# one flies level over the sample desktop's note window, the glider's wings spread to the view.
"$tool" render --capture-dir "$work/t_wisp" --frames 700 --time 1000 \
    --model "$work/glider.ms3d" --out "$work/frame.ppm" >/dev/null
"$generator" "$out" --frame "$work/frame.ppm"
