#!/usr/bin/env bash
# Frames per second of the Linux program on Mesa's software renderer at 1024 x 768, against the
# offscreen frame benchmark (BM_DrawFrameTwoUnits) in the same run. Not a test: it prints the
# two figures and their ratio. The program runs with its frame period wait off, on a private
# Xvfb, for SECONDS (default 20); its first seconds (terrain building) are left out. The frames
# are counted by Mesa itself: its heads-up display, kept hidden, writes the frames presented in
# each second to a file (the program's "--fps" only draws its figure on the screen).
# The build is the bench preset's; ALTOSTRAT_BENCH_PRESET names another release build without
# sanitizers (the test command's short run uses the Debian package's, linux-package, instead of
# a build of its own).
#   benchmarks/linux_fps.sh [SECONDS]   (more than 5; default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
preset=${ALTOSTRAT_BENCH_PRESET:-bench}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target altostrat scene_benchmark >/dev/null
program=build/$preset/linux_program/altostrat
scene_benchmark=build/$preset/benchmarks/scene_benchmark
# shellcheck source=../tests/wine/wine-env.sh
source tests/wine/wine-env.sh
trap stop_started EXIT

# Real time per frame, in the benchmark's unit, milliseconds.
offscreen_ms=$("$scene_benchmark" --benchmark_filter='BM_DrawFrameTwoUnits' \
    --benchmark_format=csv 2>/dev/null | awk -F, '/BM_DrawFrameTwoUnits/ {print $3}')
[ -n "$offscreen_ms" ] || { echo "no figure from BM_DrawFrameTwoUnits" >&2; exit 1; }
offscreen_fps=$(awk -v ms="$offscreen_ms" 'BEGIN {printf "%.1f", 1000 / ms}')

start_xvfb 1024x768
hud=$(mktemp -d)
GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 GALLIUM_HUD_DUMP_DIR=$hud \
    start_bg "$program" --no-frame-wait
pid=$LAST_PID
deadline=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$deadline" ]; do sleep 1; done
kill -TERM "$pid"
wait "$pid" || true
# The mean of the per-second figures after the first five.
x11_fps=$(awk '{n++; if (n > 5) {sum += $1; m++}} END {printf "%.1f", m ? sum / m : 0}' "$hud/fps")
rm -rf "$hud"
at_least "$x11_fps" 0.1 || { echo "no frames counted after the first five seconds" >&2; exit 1; }
echo "offscreen BM_DrawFrameTwoUnits: ${offscreen_ms} ms/frame = ${offscreen_fps} fps"
echo "altostrat on Xvfb (GLX, Mesa):  ${x11_fps} fps"
awk -v a="$offscreen_fps" -v b="$x11_fps" 'BEGIN {printf "ratio offscreen/x11: %.2f (aim: at most 1.10)\n", a / b}'
