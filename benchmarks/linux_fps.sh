#!/usr/bin/env bash
# Frames per second of the Linux program on Mesa's software renderer at 1024 x 768, against the
# offscreen frame benchmark (BM_DrawFrameTwoUnits) in the same run, and the program's two display
# paths side by side at that size: X11 (GLX on a private Xvfb) and natively on Wayland (EGL, a
# layer surface on Debian's sway, headless, its output's refresh set to 240 Hz so that the frame
# callbacks the flight follows do not hold it to 60). Not a test: it prints each path's frame
# rate, frame time and processor share (the program's own and its display server's, of one core)
# and the ratios. The program runs with its frame period wait off, for SECONDS (default 20)
# on each path; its first five seconds (terrain building) are left out. The frames are counted
# by Mesa itself: its heads-up display, kept hidden, writes the frames presented in each second to
# a file (the program's "--fps" only draws its figure on the screen). sway refuses to run as
# root and this script needs root to run it as a user of its own: run otherwise, it measures X11
# alone.
# The build is the bench preset's; ALTOSTRAT_BENCH_PRESET names another release build without
# sanitizers (the test command's short run uses the Debian package's, linux-package, instead of
# a build of its own).
# Then frames per refresh on both paths where drawing has room (640 x 480, the frame wait on, as
# a user flies): X11 on Xvfb, which reports no refresh, so the program paces itself by the clock
# at one picture per 15 ms flight step (66.7 a second), which stands in for the refresh there;
# Wayland on KWin's virtual output, whose frame clock keeps 60 Hz
# whatever a composition costs. (sway's headless output is no measure here: it starts its 16 ms
# frame timer again only once a composition is done, so its refresh slows as the surface it
# composites grows: 49 frames a second at 640 x 480, where a full-screen window it hands on
# uncomposited gets 62.) Each ratio should be within 2 % of 1.
#   benchmarks/linux_fps.sh [SECONDS]   (more than 5; default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
preset=${ALTOSTRAT_BENCH_PRESET:-bench}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target altostrat scene_benchmark >/dev/null
program=$(pwd)/build/$preset/linux_program/altostrat
scene_benchmark=build/$preset/benchmarks/scene_benchmark
# shellcheck source=../tests/wine/wine-env.sh
source tests/wine/wine-env.sh
trap stop_started EXIT
export ALTOSTRAT_SOURCE_DIR=$PWD ALTOSTRAT_PROGRAM=$program
# shellcheck source=../tests/x11/x11-lib.sh
source tests/x11/x11-lib.sh

# Real time per frame, in the benchmark's unit, milliseconds.
offscreen_ms=$("$scene_benchmark" --benchmark_filter='BM_DrawFrameTwoUnits' \
    --benchmark_format=csv 2>/dev/null | awk -F, '/BM_DrawFrameTwoUnits/ {print $3}')
[ -n "$offscreen_ms" ] || { echo "no figure from BM_DrawFrameTwoUnits" >&2; exit 1; }
offscreen_fps=$(awk -v ms="$offscreen_ms" 'BEGIN {printf "%.1f", 1000 / ms}')

# cpu_ticks PID: the process's processor time so far, in clock ticks.
cpu_ticks() {
    awk '{print $14 + $15}' "/proc/$1/stat"
}

# measure PID HUD_FOLDER SERVER_PID: once Mesa has counted five seconds of frames, lets the
# program fly the rest of the run's seconds and ends it; prints the mean frame rate of the seconds
# after the first five, and the processor shares of the program and of its display server over
# them, in percent of one core.
measure() {
    local pid=$1 hud=$2 server=$3 ticks server_ticks started elapsed
    five_counted() { [ "$(cat "$hud/fps" 2>/dev/null | wc -l)" -ge 5 ]; }
    poll 60 five_counted || return 1
    ticks=$(cpu_ticks "$pid")
    server_ticks=$(cpu_ticks "$server")
    started=$(date +%s.%N)
    sleep $((seconds - 5))
    ticks=$(($(cpu_ticks "$pid") - ticks))
    server_ticks=$(($(cpu_ticks "$server") - server_ticks))
    elapsed=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN {print b - a}')
    kill -TERM "$pid"
    poll 10 eval '! running '"$pid" || true
    awk '{n++; if (n > 5) {sum += $1; m++}} END {printf "%.1f ", m ? sum / m : 0}' "$hud/fps"
    awk -v t="$ticks" -v u="$server_ticks" -v hz="$(getconf CLK_TCK)" -v s="$elapsed" \
        'BEGIN {printf "%.0f %.0f\n", 100 * t / hz / s, 100 * u / hz / s}'
}

# report NAME FPS CPU SERVER_CPU: one line per path.
report() {
    at_least "$2" 0.1 || { echo "$1: no frames counted after the first five seconds" >&2; exit 1; }
    awk -v n="$1" -v f="$2" -v c="$3" -v d="$4" 'BEGIN {printf "%-40s %5.1f fps = %5.1f ms/frame, " \
        "%3d %% of a core (its display server %d %%)\n", n ":", f, 1000 / f, c, d}'
}

start_xvfb 1024x768
hud=$(mktemp -d)
GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 GALLIUM_HUD_DUMP_DIR=$hud \
    start_bg "$program" --no-frame-wait
read -r x11_fps x11_cpu xvfb_cpu < <(measure "$LAST_PID" "$hud" "$(tr -d ' ' <"/tmp/.X${DISPLAY#:}-lock")")
rm -rf "$hud"

wayland_fps=
if [ "$(id -u)" -eq 0 ]; then
    sway_run_folder
    printf '%s\n' 'xwayland disable' 'output HEADLESS-1 mode --custom 1024x768@240Hz' >"$run/config"
    mkdir "$run/hud"
    start_sway
    start_as_user GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 \
        GALLIUM_HUD_DUMP_DIR="$run/hud" "$program" --no-frame-wait
    # runuser's child, which env has become the program.
    poll 10 pgrep -P "$LAST_PID" >/dev/null
    read -r wayland_fps wayland_cpu sway_cpu < \
        <(measure "$(pgrep -P "$LAST_PID")" "$run/hud" "$SWAY_PID")
fi

# Frames per refresh at 640 x 480 with the frame wait on.
start_xvfb 640x480
hud=$(mktemp -d)
GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 GALLIUM_HUD_DUMP_DIR=$hud \
    start_bg "$program"
read -r x11_paced_fps _ < <(measure "$LAST_PID" "$hud" "$(tr -d ' ' <"/tmp/.X${DISPLAY#:}-lock")")
rm -rf "$hud"

kwin_paced_fps=
if kwin=$(command -v kwin_wayland); then
    kwin_run=$(mktemp -d)
    chmod 700 "$kwin_run"
    # The installed KWin carries file capabilities that a run as root may not take; a copy has none.
    cp "$kwin" "$kwin_run/kwin_wayland"
    mkdir "$kwin_run/hud"
    start_bg env HOME="$kwin_run" XDG_RUNTIME_DIR="$kwin_run" "$kwin_run/kwin_wayland" --virtual \
        --width 640 --height 480 --output-count 1 --socket wayland-fps --no-lockscreen \
        >"$kwin_run/kwin.log" 2>&1
    kwin_pid=$LAST_PID
    kwin_ready() { XDG_RUNTIME_DIR=$kwin_run WAYLAND_DISPLAY=wayland-fps wayland-info >/dev/null 2>&1; }
    if poll 40 kwin_ready; then
        start_bg env HOME="$kwin_run" XDG_RUNTIME_DIR="$kwin_run" WAYLAND_DISPLAY=wayland-fps \
            GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 \
            GALLIUM_HUD_DUMP_DIR="$kwin_run/hud" "$program" 2>/dev/null
        read -r kwin_paced_fps _ < <(measure "$LAST_PID" "$kwin_run/hud" "$kwin_pid")
    fi
fi

echo "offscreen BM_DrawFrameTwoUnits: ${offscreen_ms} ms/frame = ${offscreen_fps} fps"
report "altostrat on Xvfb (GLX, Mesa)" "$x11_fps" "$x11_cpu" "$xvfb_cpu"
awk -v a="$offscreen_fps" -v b="$x11_fps" 'BEGIN {printf "ratio offscreen/x11: %.2f (aim: at most 1.10)\n", a / b}'
if [ -n "$wayland_fps" ]; then
    report "altostrat on sway (Wayland, EGL, Mesa)" "$wayland_fps" "$wayland_cpu" "$sway_cpu"
    awk -v a="$x11_fps" -v b="$wayland_fps" 'BEGIN {printf "ratio x11/wayland: %.2f\n", a / b}'
else
    echo "altostrat on sway (Wayland): not measured (needs root to run sway as a user of its own)"
fi
# per_refresh NAME FPS RATE: the frames a second over the refresh rate.
per_refresh() {
    awk -v n="$1" -v f="$2" -v r="$3" 'BEGIN {printf "%-44s %5.1f fps = %.3f frames per " \
        "refresh (%.1f Hz)\n", n ":", f, f / r, r}'
}
echo "at 640 x 480, paced:"
per_refresh "altostrat on Xvfb (X11, a picture per step)" "$x11_paced_fps" 66.667
if [ -n "$kwin_paced_fps" ]; then
    per_refresh "altostrat on KWin (Wayland, frame callbacks)" "$kwin_paced_fps" 60
else
    echo "altostrat on KWin (Wayland): not measured (kwin_wayland missing or not starting)"
fi
