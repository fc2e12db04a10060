# An instant tap of Escape, press and release sent back to back with nothing held, ends the
# flight with exit code 0: both can arrive within one emptying of the message queue, and the
# tap must not be lost. Instant taps of other keys and the mouse leave the flight running.
#
# Meanwhile the flight is drawn at the old rate of one picture per 15 ms step, no faster: under
# Wine on Xvfb the renderer is granted a swap interval of 1, yet every present returns at once,
# and the loop must find that out and pace itself by the clock instead of spinning. Wine's own
# trace of the presents (glxdrv_wglSwapBuffers on the wgl channel) counts them. The screen is
# small, so that drawing takes less than a step and the rate shows the pacing, not the software
# renderer's speed; the 1024 x 768 mode is then refused and the flight fills the screen.
start_xvfb 320x240
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
prepare_captures
warm_wine
trace=$BUILD/scenario-escape-tap-trace.txt
WINEDEBUG=+wgl start_bg wine "$RENDERER_EXE" 2>"$trace"
renderer=$LAST_PID
poll 60 window_shown OpenGL Altostrat_VC || fail "no visible window Altostrat_VC of class OpenGL"

# Keys only count once the frame loop runs: wait until the flight is drawn.
shot="$BUILD/scenario-escape-tap.png"
flight_drawn() {
    screenshot "$shot"
    flight_at "$shot" 160 10
}
poll 60 flight_drawn || fail "no flight after a minute"
remove_captures

presents() { grep -c glxdrv_wglSwapBuffers "$trace"; }
counted=$(presents)
since=$(date +%s.%N)
xdotool key a space Return F1 Tab
xdotool mousemove 100 100 mousemove 300 200 click 1
still_running_after "$renderer" 3 || fail "the renderer ended without Escape"
rate=$(awk -v n=$(($(presents) - counted)) -v t0="$since" -v t1="$(date +%s.%N)" \
    'BEGIN {printf "%.1f", n / (t1 - t0)}')
echo "pictures presented a second: $rate (one per step: 66.7)"
awk -v r="$rate" 'BEGIN {exit !(r <= 70)}' || fail "$rate pictures a second: the loop spins"
awk -v r="$rate" 'BEGIN {exit !(r >= 40)}' || fail "only $rate pictures a second"

xdotool key Escape
wait_exit "$renderer" 20
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after a tap of Escape"
window_gone OpenGL Altostrat_VC || fail "window still there after a tap of Escape"
