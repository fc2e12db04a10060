#!/usr/bin/env bash
# What "altostrat --idle" costs while it waits, on a headless KWin (the Debian compositor that
# offers ext-idle-notify; one 800 x 600 output): over SECONDS (default 60) before any flight, and
# again over SECONDS after a flight, while the user works (a mouse movement every half second,
# so that the seat never becomes idle). Not a test: it prints for each the processor time used
# (fields 14 and 15 of /proc/PID/stat), the times the process was woken (its context switches,
# from /proc/PID/status), and its memory at the end (resident in all, and the part that is its
# own rather than shared files). The goal: no wake-up at all, and a few MB. Where KWin is not
# installed or does not start, it says so and measures nothing.
# The build is the bench preset's; ALTOSTRAT_BENCH_PRESET names another release build without
# sanitizers (the test command's short run uses the Debian package's, linux-package).
#   benchmarks/idle_wait.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
preset=${ALTOSTRAT_BENCH_PRESET:-bench}
installed=$(command -v kwin_wayland) || {
    echo "idle_wait.sh: KWin (package kwin-wayland) is not installed; nothing measured"
    exit 0
}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target altostrat >/dev/null
program=$PWD/build/$preset/linux_program/altostrat
# shellcheck source=../tests/wine/wine-env.sh
source tests/wine/wine-env.sh
run=$(mktemp -d)
trap 'exec 3>&-; stop_started; rm -rf "$run"' EXIT
chmod 700 "$run"
cp "$installed" "$run/kwin_wayland"  # a copy without the installed one's file capabilities
cc -o "$run/kwin_input" tests/x11/wayland/kwin_input.c -lwayland-client
export HOME=$run XDG_RUNTIME_DIR=$run WAYLAND_DISPLAY=wayland-kwin
export DBUS_SESSION_BUS_ADDRESS=unix:path=$run/bus
start_bg dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" --nopidfile \
    2>"$run/bus.log"
poll 20 test -S "$run/bus"
start_bg env KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$run/kwin_wayland" --virtual --width 800 \
    --height 600 --socket wayland-kwin --no-lockscreen >"$run/kwin.log" 2>&1
if ! poll 40 sh -c 'wayland-info >/dev/null 2>&1'; then
    echo "idle_wait.sh: KWin does not start here; nothing measured"
    exit 0
fi
mkfifo "$run/input"
exec 3<>"$run/input"
start_bg "$run/kwin_input" "$run/input" 3<&-

ticks_per_second=$(getconf CLK_TCK)
status() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }
wakes() { echo $(($(status "$1" voluntary_ctxt_switches) + $(status "$1" nonvoluntary_ctxt_switches))); }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# measure NAME PID COMMAND...: SECONDS of waiting, with COMMAND run again and again meanwhile.
measure() {
    local name=$1 pid=$2 ticks_before wakes_before end=$((SECONDS + seconds))
    shift 2
    ticks_before=$(ticks "$pid")
    wakes_before=$(wakes "$pid")
    while [ "$SECONDS" -lt "$end" ]; do
        "$@"
    done
    [ -z "$(pgrep -P "$pid")" ] || { echo "a flight started while waiting" >&2; exit 1; }
    awk -v name="$name" -v t=$(($(ticks "$pid") - ticks_before)) -v hz="$ticks_per_second" \
        -v w=$(($(wakes "$pid") - wakes_before)) -v s="$seconds" \
        -v rss="$(status "$pid" VmRSS)" -v anon="$(status "$pid" RssAnon)" '
        BEGIN {printf "%-39s %5.2f s processor time, %3d wake-ups in %d s; %5.1f MB resident, %4.1f MB its own\n",
                      name ":", t / hz, w, s, rss / 1024, anon / 1024}'
}

# Before any flight: a timeout far beyond the measure.
start_bg "$program" --idle 3600 2>"$run/err-first"
first=$LAST_PID
sleep 1  # started and asleep
measure "waiting, before any flight" "$first" sleep 1
kill -TERM "$first"

# After a flight: one second of idle time starts one; a mouse movement ends it.
start_bg "$program" --idle 1 2>"$run/err-second"
second=$LAST_PID
flying() { [ -n "$(pgrep -P "$second")" ]; }
nudge() {
    echo move >&3
    sleep 0.5
}
poll 60 flying || { echo "no flight" >&2; exit 1; }
sleep 3  # flying
nudge
poll 30 eval '! flying' || { echo "the flight did not end" >&2; exit 1; }
measure "waiting, after a flight (user active)" "$second" nudge
