# A window titled Altostrat_VC of another program, there before a /s run (a renderer left over
# from an earlier run looks the same to a search by title), is not this run's flight. The host
# never hands it the foreground (the probe's "watched" window prints each time it is made
# active), and its end does not end the run: the flight and its folder stay. Windows asking
# whether the session may end, and then going on (another program refused), leaves the run as
# it was. A hidden window of that title, of yet another program, does not keep the run alive
# once the real flight ends: one Escape ends the host and removes the folder.
start_xvfb 1024x768
warm_wine
saver_in_folder

stray_out=$ALTOSTRAT_WINE_HOME/stray-window.txt
start_program "$PROBE_EXE" watched Altostrat_VC >"$stray_out"
stray=$PROGRAM_PID
poll 30 window_shown AltostratProbeHold Altostrat_VC || fail "no stray window"
front_out=$ALTOSTRAT_WINE_HOME/stray-front.txt
start_program "$PROBE_EXE" front "Another program" >"$front_out"
front=$PROGRAM_PID
front_taken() { grep -q "front=1" "$front_out"; }
poll 30 front_taken || fail "the other program did not get the foreground"

start_program "$HOST_COPY" /s
host=$PROGRAM_PID
shot=$ALTOSTRAT_WINE_HOME/stray-flight.png
poll 60 flight_shown "$shot" || fail "the flight did not appear"
folder=$(run_folders)
[ -n "$folder" ] || fail "no run folder during the flight"
! grep -q active "$stray_out" || fail "the host gave the stray window the foreground"

probe post AltostratProbeHold Altostrat_VC 0x0010 0 0 >/dev/null || fail "the stray window is gone"
wait_exit "$stray" 20
# WM_QUERYENDSESSION, then WM_ENDSESSION saying the session goes on.
probe post Altostrat_Main 0x0011 0 0 >/dev/null || fail "could not post WM_QUERYENDSESSION"
probe post Altostrat_Main 0x0016 0 0 >/dev/null || fail "the run ended at the question whether the session may end"
still_running_after "$host" 2 || fail "the run ended with the stray window or the refused end"
[ "$(run_folders)" = "$folder" ] || fail "the run's folder went during the flight: $(run_folders)"
window_shown OpenGL Altostrat_VC || fail "the flight ended"

start_program "$PROBE_EXE" hold Altostrat_VC hidden
hidden=$PROGRAM_PID
poll 30 window_exists AltostratProbeHold Altostrat_VC || fail "no hidden window"
press_key Escape
poll 30 window_gone OpenGL Altostrat_VC || fail "one Escape did not end the renderer"
wait_exit "$host" 5
[ "$EXIT_CODE" -eq 0 ] || fail "the host ended with exit code $EXIT_CODE"
[ -z "$(run_folders)" ] || fail "the run's folder stayed after the run: $(run_folders)"

probe post AltostratProbeHold Altostrat_VC 0x0010 0 0 >/dev/null || fail "the hidden window is gone"
wait_exit "$hidden" 20
probe post "Another program" 0x0010 0 0 >/dev/null || fail "the other program's window is gone"
wait_exit "$front" 20
