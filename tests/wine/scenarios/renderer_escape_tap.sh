# An instant tap of Escape, press and release sent back to back with nothing held, ends the
# flight with exit code 0: both can arrive within one emptying of the message queue, and the
# tap must not be lost. Instant taps of other keys and the mouse leave the flight running.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
prepare_captures
warm_wine
start_renderer
renderer=$RENDERER_PID

# Keys only count once the frame loop runs: wait until the flight is drawn.
poll 60 flight_shown "$BUILD/scenario-escape-tap.png" || fail "no flight after a minute"
remove_captures

xdotool key a space Return F1 Tab
xdotool mousemove 100 100 mousemove 700 500 click 1
still_running_after "$renderer" 3 || fail "the renderer ended without Escape"

xdotool key Escape
wait_exit "$renderer" 20
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after a tap of Escape"
window_gone OpenGL Altostrat_VC || fail "window still there after a tap of Escape"
