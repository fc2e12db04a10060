# Another program taking the foreground ends the flight as Escape ends it. On two monitors (a
# 1024 x 768 primary and an 800 x 600 monitor to its right) the renderer flies on the primary,
# in a topmost window, while a black cover hides the second monitor. A window of another program
# that puts itself in front (the probe's "front") makes the renderer end by itself with exit
# code 0: the flight window and the cover are gone and the second monitor shows the desktop
# again. Coming up, the flight and its cover did not end it: it was still running when the
# other program came.
start_two_monitors
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
warm_wine
prepare_captures
second=800x600+1024+0
shot="$BUILD/scenario-foreground-loss.png"

start_renderer
renderer=$RENDERER_PID
expect_flight_window 1024x768
topmost=$(probe exstyle Altostrat_VC)
echo "flight window: $topmost"
[[ $topmost == topmost=1* ]] || fail "the flight window is not topmost"
flying_beside_cover() {
    screenshot "$shot"
    [ "$(region_brightest "$shot" "$second")" -le 8 ] && flight_at "$shot" 512 20
}
poll 60 flying_beside_cover || fail "no flight on the primary beside a black second monitor"
window_exists Altostrat_Cover - || fail "no cover window"
running "$renderer" || fail "the renderer ended before another program came"

front_out="$BUILD/scenario-foreground-front.txt"
start_program "$PROBE_EXE" front "Another program" >"$front_out"
front=$PROGRAM_PID
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after losing the foreground"
grep -q "front=1" "$front_out" || fail "the other program did not get the foreground"
window_gone OpenGL Altostrat_VC || fail "the flight window outlived the run"
window_gone Altostrat_Cover - || fail "a cover outlived the run"
desktop_back() {
    screenshot "$shot"
    [ "$(region_brightest "$shot" "$second")" -gt 100 ]
}
poll 30 desktop_back || fail "the second monitor stays black after the run"
echo "the flight ended when another program took the foreground"
probe post "Another program" 0x0010 0 0 || fail "the other program's window is gone"
wait_exit "$front" 20
