# SIGTERM, SIGINT and SIGHUP end the program within a second at any moment of its start: while
# it photographs the desktop, opens its window, loads its pictures and builds the scene, and
# once it flies. Each of several standalone starts gets one of the signals after a different
# delay; each ends with exit code 0 within a second, the screen is given back (no window of it
# is left), and no picture is left on disk. The delays count from the moment the program has
# its handlers for the three signals (the sanitizers' start-up before that takes tens of
# milliseconds, more on a busy machine, and no program can answer a signal before it runs).
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
private_runtime
signals=(TERM INT HUP)
i=0
for delay in 0.05 0.3 0.6 0.9 1.2 1.6 2.5 4; do
    signal=${signals[$((i % 3))]}
    i=$((i + 1))
    start_bg "$ALTOSTRAT"
    program=$LAST_PID
    wait_for_stop_handlers "$program" || fail "the program does not catch the stop signals"
    sleep "$delay"
    running "$program" || fail "the program ended by itself within $delay s"
    stop_and_time "$program" "$signal"
    echo "SIG$signal after $delay s: ended $TOOK s later, exit code $EXIT_CODE"
    [ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after SIG$signal"
    at_least 1 "$TOOK" || fail "SIG$signal after $delay s took $TOOK s"
    [ "$(capture_folders)" -eq 0 ] || fail "a picture is left behind after SIG$signal at $delay s"
    ! xwininfo -name Altostrat_VC >/dev/null 2>&1 || fail "the flight's window is left"
done
