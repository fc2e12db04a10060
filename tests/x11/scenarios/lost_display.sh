# The X server goes away while the program starts: it ends with exit code 1 and leaves nothing
# on disk. The start is held where it waits for the keyboard: a first flight holds the keyboard,
# and a second one, its window already shown, tries for a second to get it, the desktop's
# picture in memory. The X server is stopped then; both programs end.
start_xvfb 1024x768
server=${STARTED_PIDS[-1]}
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
private_runtime
log=$(mktemp)
start_bg "$ALTOSTRAT" 2>"$log.first"
first=$LAST_PID
flight_windows() { xdotool search --name Altostrat_VC 2>/dev/null | wc -l; }
flying() { [ "$(flight_windows)" -eq 1 ] && [ "$(capture_folders)" -eq 0 ]; }
poll 120 flying || fail "the first flight did not start"

start_bg "$ALTOSTRAT" 2>"$log"
second=$LAST_PID
waiting_for_keyboard() { [ "$(flight_windows)" -eq 2 ]; }
poll 60 waiting_for_keyboard || fail "the second program showed no window: $(cat "$log")"
[ "$(capture_folders)" -eq 0 ] || fail "a picture on disk while the second program starts"
kill -TERM "$server"
wait_exit "$second" 20
echo "X server stopped while the second program waited for the keyboard: exit code $EXIT_CODE, $(cat "$log")"
[ "$(capture_folders)" -eq 0 ] || fail "a capture folder is left behind: $(find "$XDG_RUNTIME_DIR")"
[ "$EXIT_CODE" -eq 1 ] || fail "exit code $EXIT_CODE"
grep -q 'connection to the X server is lost' "$log" || fail "it did not end for the lost X server"
wait_exit "$first" 20
[ "$EXIT_CODE" -eq 1 ] || fail "the first flight ended with exit code $EXIT_CODE"
rm -f "$log" "$log.first"
