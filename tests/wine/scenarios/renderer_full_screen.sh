# On a 1024 x 768 display the renderer's mode change succeeds or is refused; either way its
# window has a 1024 x 768 client area and is topmost, so that no always-on-top window shows over
# the flight. Mouse movement, other keys and the system's screen-saver command leave it running;
# Escape ends it with exit code 0 and takes the window away.
start_xvfb 1024x768
warm_wine
prepare_captures
start_renderer
renderer=$RENDERER_PID
info=$(window_info OpenGL Altostrat_VC)
echo "renderer window: $info"
[[ $info == client=1024x768\ * ]] || fail "client area is not 1024 x 768: $info"
[[ $info == *visible=1 ]] || fail "window not shown: $info"
[[ $(probe exstyle Altostrat_VC) == topmost=1* ]] || fail "the flight window is not topmost"

probe post Altostrat_VC 0x0112 0xF140 0 || fail "could not post SC_SCREENSAVE"
probe post Altostrat_VC 0x0112 0xF170 2 || fail "could not post SC_MONITORPOWER"
xdotool mousemove 100 100 mousemove 700 500 click 1
xdotool key a space Return F1
still_running_after "$renderer" 3 || fail "the renderer ended without Escape"
window_exists OpenGL Altostrat_VC || fail "the window went away without Escape"

press_key Escape
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape"
window_gone OpenGL Altostrat_VC || fail "window still there after Escape"
