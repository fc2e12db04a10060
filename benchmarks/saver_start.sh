#!/usr/bin/env bash
# Under Wine on a private 1024 x 768 X server: the time from starting the host with /s to the
# renderer's first presented flight frame, beside the time from starting the renderer alone (with
# the pictures already written into a folder named on its command line, as the host starts it)
# to its first frame, each the median of RUNS (default 5). The host's share is the difference. A
# frame counts as presented when the screen's top-left corner shows the bright sky, which neither
# the sample desktop nor the loading screen has there. It works in a Wine home and prefix of its
# own, beside the tests' ones.
#   benchmarks/saver_start.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
export ALTOSTRAT_BUILD_DIR=$PWD/build/windows ALTOSTRAT_SOURCE_DIR=$PWD
cmake --build --preset windows --target altostrat_host altostrat_renderer altostrat-probe >/dev/null
source tests/wine/wine-env.sh
trap stop_started EXIT
start_xvfb 1024x768
own_wine_home benchmark-saver-start
wine_env_setup
source tests/wine/scenario-lib.sh
warm_wine
host_in_folder
cp "$RENDERER_EXE" "$HOST_DIR/"
printf '[Section]\r\n' >"$HOST_INI"

flying() {
    local r g b
    read -r r g b < <(import -window root -crop 1x1+4+4 +repage -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p')
    [ -n "${b:-}" ] && [ $((r + g + b)) -gt 500 ]
}

# one_run EXE ARGS...: seconds from the start to the first flight frame; the run is ended.
one_run() {
    local start end pid
    display -window root assets/sample-desktop.png 2>/dev/null || true
    start=$(date +%s.%N)
    start_bg wine "$@"
    pid=$LAST_PID
    poll 120 flying || { echo "no frame" >&2; exit 1; }
    end=$(date +%s.%N)
    press_key Escape
    wait_exit "$pid" 30
    poll 30 window_gone OpenGL Altostrat_VC
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}

# renderer_run: one_run of the renderer alone. Its pictures, in the folder the host would make
# for the run, are written before the clock starts, from the same desktop the host photographs;
# the renderer deletes the desktop's once read, so each run writes them anew.
pictures_win='C:\altostrat-benchmark'
pictures=$WINEPREFIX/drive_c/altostrat-benchmark
renderer_run() {
    display -window root assets/sample-desktop.png 2>/dev/null || true
    rm -rf "$pictures"
    write_capture_files "$pictures"
    one_run "$HOST_DIR/アルトストラト.dll" /folder "$pictures_win"
}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

host_times=() renderer_times=()
for ((i = 0; i < runs; i++)); do
    host_times+=("$(one_run "$HOST_COPY" /s)")
    renderer_times+=("$(renderer_run)")
done
host=$(printf '%s\n' "${host_times[@]}" | median)
alone=$(printf '%s\n' "${renderer_times[@]}" | median)
echo "saver /s to first frame:   ${host_times[*]} s, median $host s"
echo "renderer alone:            ${renderer_times[*]} s, median $alone s"
awk -v h="$host" -v r="$alone" 'BEGIN { printf "host adds %.3f s, ratio %.2f (aim: under 1.30)\n", h - r, h / r }'
