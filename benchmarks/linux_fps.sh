#!/usr/bin/env bash
# Frames per second of the Linux program on Mesa's software renderer at 1024 x 768, against the
# offscreen frame benchmark (BM_DrawFrameTwoUnits) in the same run. Not a test: it prints the
# two figures and their ratio. The program runs with its frame period wait off, on a private
# Xvfb, for SECONDS (default 20); its first seconds (terrain building) are left out. The frames
# are counted by Mesa itself: its heads-up display, kept hidden, writes the frames presented in
# each second to a file (the program's "--fps" only draws its figure on the screen).
#   benchmarks/linux_fps.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
cmake --preset bench >/dev/null
cmake --build --preset bench --target altostrat scene_benchmark >/dev/null
# shellcheck source=../tests/wine/wine-env.sh
source tests/wine/wine-env.sh
trap stop_started EXIT

# Real time per frame, in the benchmark's unit, milliseconds.
offscreen_ms=$(build/bench/benchmarks/scene_benchmark --benchmark_filter='BM_DrawFrameTwoUnits' \
    --benchmark_format=csv 2>/dev/null | awk -F, '/BM_DrawFrameTwoUnits/ {print $3}')
offscreen_fps=$(awk -v ms="$offscreen_ms" 'BEGIN {printf "%.1f", 1000 / ms}')

start_xvfb 1024x768
hud=$(mktemp -d)
GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 GALLIUM_HUD_DUMP_DIR=$hud \
    start_bg build/bench/linux_program/altostrat --no-frame-wait
program=$LAST_PID
deadline=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$deadline" ]; do sleep 1; done
kill -TERM "$program"
wait "$program" || true
# The mean of the per-second figures after the first five.
x11_fps=$(awk '{n++; if (n > 5) {sum += $1; m++}} END {printf "%.1f", m ? sum / m : 0}' "$hud/fps")
rm -rf "$hud"
echo "offscreen BM_DrawFrameTwoUnits: ${offscreen_ms} ms/frame = ${offscreen_fps} fps"
echo "altostrat on Xvfb (GLX, Mesa):  ${x11_fps} fps"
awk -v a="$offscreen_fps" -v b="$x11_fps" 'BEGIN {printf "ratio offscreen/x11: %.2f (aim: at most 1.10)\n", a / b}'
