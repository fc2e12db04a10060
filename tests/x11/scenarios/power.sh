# Standalone, the flight keeps the X server's own blanking away while it runs (the screen saver's
# timeout is 0, "xset q" shows) and gives it back when it ends; it draws nothing while the
# display's power saving (DPMS) has the display off, and draws again once it is on.
#
# No X server that runs headless here has DPMS, so a stand-in for libXext's DPMS calls is
# preloaded into the program (power/fake_dpms.c): it reports the power level written in a file,
# as "xset dpms force off" and "on" would set it. Nothing drawn shows twice: the screen stays
# the same over a second and the program's CPU use all but stops; then the flight moves again.
start_xvfb 1024x768
xset s 600
work=$(mktemp -d)
cc -shared -fPIC -o "$work/fake_dpms.so" "$ALTOSTRAT_SOURCE_DIR/tests/x11/power/fake_dpms.c" ||
    fail "cannot build the DPMS stand-in"
echo on >"$work/dpms"
# The leak check's tracer once crashed at the exit of this preloaded program ("Tracer caught
# signal 11"); leaks are the other scenarios' to find, this one judges the power saving only.
ALTOSTRAT_FAKE_DPMS=$work/dpms LD_PRELOAD=$work/fake_dpms.so \
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:detect_leaks=0 \
    start_bg "$ALTOSTRAT"
program=$LAST_PID

shot="$work/shot.png"
flying() { screenshot "$shot" && flight_shown "$shot" 0 0 1023 767; }
poll 120 flying || fail "no flight"
timeout_now() { xset q | awk '/timeout:/ {print $2; exit}'; }
[ "$(timeout_now)" = 0 ] || fail "the X server's blanking is still on: timeout $(timeout_now)"
echo "flying; the X server's screen saver timeout is 0"

cpu_ticks() { awk '{print $14 + $15}' "/proc/$program/stat"; }
# moving SECONDS: two screenshots that far apart differ; STILL: they are the same, and the
# program used under a tenth of that time on the processor meanwhile.
moving() {
    screenshot "$work/a.png" && sleep "$1" && screenshot "$work/b.png" &&
        ! cmp -s <(convert "$work/a.png" rgb:-) <(convert "$work/b.png" rgb:-)
}
still() {
    local before after
    before=$(cpu_ticks)
    screenshot "$work/a.png" && sleep 1 && screenshot "$work/b.png" || return 1
    after=$(cpu_ticks)
    CPU=$((after - before))
    cmp -s <(convert "$work/a.png" rgb:-) <(convert "$work/b.png" rgb:-) && [ "$CPU" -lt 10 ]
}
poll 30 moving 0.5 || fail "the flight does not move"
echo off >"$work/dpms"
poll 30 still || fail "drawing goes on with the display off (CPU $CPU ticks a second)"
echo "display off: nothing drawn, $CPU CPU ticks in a second"
echo on >"$work/dpms"
poll 30 moving 0.5 || fail "no drawing once the display is on again"
echo "display on: the flight moves again"

press_key Escape
wait_exit "$program" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape"
[ "$(timeout_now)" = 600 ] || fail "the X server's blanking is not back: timeout $(timeout_now)"
echo "after the flight the X server's screen saver timeout is 600 again"
rm -rf "$work"
