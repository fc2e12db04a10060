#!/usr/bin/env bash
# The processor time of the Linux program's flight on battery against on mains, on Mesa's
# software renderer on a private Xvfb (1024 x 768 unless told otherwise). Not a test: it prints,
# for each, the pictures a second (counted by Mesa's hidden heads-up display) and the processor
# time the program used over SECONDS (default 20) of flight, from fields 14 and 15 of
# /proc/PID/stat. A machine too busy to draw 66.67 pictures a second at that size shows less
# than the whole saving; a smaller screen shows it.
# The program reads the power supplies from /sys/class/power_supply; each run sees a folder of
# its own there (a laptop's charger online, or offline beside its battery), bound over it in a
# private mount namespace, so it needs root (unshare).
# The build is the bench preset's; ALTOSTRAT_BENCH_PRESET names another release build without
# sanitizers (the test command's short run uses the Debian package's, linux-package).
#   benchmarks/battery_cpu.sh [SECONDS [WIDTHxHEIGHT]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
size=${2:-1024x768}
preset=${ALTOSTRAT_BENCH_PRESET:-bench}
if ! unshare --mount true 2>/dev/null; then
    echo "battery_cpu.sh: needs a private mount namespace (unshare --mount), so root" >&2
    exit 1
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target altostrat >/dev/null
# shellcheck source=../tests/wine/wine-env.sh
source tests/wine/wine-env.sh
work=$(mktemp -d)
trap 'stop_started; rm -rf "$work"' EXIT
start_xvfb "$size"
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() {
    awk '{print $14 + $15}' "/proc/$1/stat"
}

# flight NAME MAINS_ONLINE: one flight with the charger's "online" at MAINS_ONLINE.
flight() {
    local supplies=$work/$2/supplies hud=$work/$2/hud program before after
    mkdir -p "$supplies/AC" "$supplies/BAT0" "$hud"
    echo Mains >"$supplies/AC/type"
    echo "$2" >"$supplies/AC/online"
    echo Battery >"$supplies/BAT0/type"
    GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_PERIOD=1 GALLIUM_HUD_DUMP_DIR=$hud \
        start_bg unshare --mount sh -c \
        'mount --bind "$1" /sys/class/power_supply && exec "$2"' sh "$supplies" \
        "$PWD/build/$preset/linux_program/altostrat"
    program=$LAST_PID
    # The terrain is built before the first picture; the measure starts once the flight has
    # drawn for two whole seconds.
    poll 120 sh -c '[ -f "$1" ] && [ "$(wc -l <"$1")" -ge 2 ]' sh "$hud/fps" || {
        echo "the flight did not start" >&2
        return 1
    }
    before=$(cpu_ticks "$program")
    local lines_before
    lines_before=$(wc -l <"$hud/fps")
    sleep "$seconds"
    after=$(cpu_ticks "$program")
    kill -TERM "$program"
    wait "$program" || true
    awk -v name="$1" -v skip="$lines_before" -v cpu=$((after - before)) -v hz="$ticks_per_second" \
        -v s="$seconds" '
        NR > skip && NR <= skip + s {sum += $1; n++}
        END {printf "%-11s %5.1f pictures/s, %6.2f s processor time in %d s (%.0f %% of a core)\n",
                    name ":", n ? sum / n : 0, cpu / hz, s, 100 * cpu / hz / s}' "$hud/fps"
}

flight "on mains" 1
flight "on battery" 0
