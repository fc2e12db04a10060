# The display may power down. The flight's processor use is measured while it draws; then the
# monitor power command "off" (SC_MONITORPOWER, 2) is posted to its window, as Windows sends it
# when the display's time is up, and the renderer must fall to a small share of what drawing
# costs while staying alive. "On" (-1) brings the flight back: the processor use rises and the
# picture moves again. Switched off once more, Escape still ends the run with exit code 0.
start_xvfb 1024x768
warm_wine
prepare_captures
shot="$BUILD/scenario-power.png"
start_renderer
renderer=$RENDERER_PID
poll 60 flight_shown "$shot" || fail "no flight after a minute"
pid=$(program_pid "$(basename "$RENDERER_EXE")") || fail "no process of the renderer"

# ticks_per_second: the renderer's processor use over a two-second window, in clock ticks a
# second (a window of measurement, not a wait for something to happen).
ticks_per_second() {
    local t0 t1
    t0=$(cpu_ticks "$pid")
    sleep 2
    t1=$(cpu_ticks "$pid")
    echo $(((t1 - t0) / 2))
}
drawing=$(ticks_per_second)
echo "drawing: $drawing ticks a second"
[ "$drawing" -ge 8 ] || fail "drawing costs too little to compare ($drawing)"

probe post Altostrat_VC 0x0112 0xF170 2 || fail "could not post SC_MONITORPOWER off"
resting() {
    resting_cost=$(ticks_per_second)
    [ $((resting_cost * 5)) -le "$drawing" ]
}
poll 30 resting || fail "still $resting_cost ticks a second with the display off ($drawing drawing)"
echo "display off: $resting_cost ticks a second"
running "$renderer" || fail "the renderer ended when the display went off"

screenshot "$BUILD/scenario-power-off.png"
probe post Altostrat_VC 0x0112 0xF170 -1 || fail "could not post SC_MONITORPOWER on"
drawing_again() {
    again=$(ticks_per_second)
    [ $((again * 2)) -ge "$drawing" ]
}
poll 30 drawing_again || fail "only $again ticks a second with the display back on"
echo "display on again: $again ticks a second"
moved() {
    screenshot "$shot"
    at_least "$(compare -metric AE -fuzz 2% "$BUILD/scenario-power-off.png" "$shot" null: 2>&1)" \
        10000
}
poll 30 moved || fail "the picture stands still with the display back on"

probe post Altostrat_VC 0x0112 0xF170 2 || fail "could not post SC_MONITORPOWER off"
poll 30 resting || fail "the display did not go off a second time"
press_key Escape
wait_exit "$renderer" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape with the display off"
window_gone OpenGL Altostrat_VC || fail "window still there after Escape"
