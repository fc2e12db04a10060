# On a 1280 x 1024 display the 1024 x 768 mode is refused, so the renderer fills the screen at
# its own resolution with a borderless 1280 x 1024 window. A close request (WM_CLOSE) ends it
# with exit code 0; so does Alt+F4 on a second run. Without any capture file the renderer ends
# by itself before its first frame, with exit code 0.
start_xvfb 1280x1024
warm_wine
prepare_captures
start_renderer
renderer=$RENDERER_PID
expect_flight_window 1280x1024

probe post Altostrat_VC 0x0010 0 0 || fail "could not post WM_CLOSE"
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after WM_CLOSE"
window_gone OpenGL Altostrat_VC || fail "window still there after WM_CLOSE"

start_renderer
renderer=$RENDERER_PID
xdotool key alt+F4
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Alt+F4"
window_gone OpenGL Altostrat_VC || fail "window still there after Alt+F4"

remove_captures
start_program "$RENDERER_EXE"
wait_exit "$PROGRAM_PID" 60
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE without capture files"
window_gone OpenGL Altostrat_VC || fail "window left behind without capture files"
