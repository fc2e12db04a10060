# The preview inside a window of another program (a probe standing in for the Display Properties'
# small monitor): the host's "Preview Window" is a visible child window (not a pop-up) at 0, 0
# covering the parent, and it stays while the parent does. Closing the parent ends the host. A
# handle of 0, or one that names no window, ends it at once.
# What the child paints cannot be seen here: Wine discards the drawing of a child window whose
# top-level window belongs to another process (the probe's white parent stays white), so the
# still on screen is checked by host/tests/win32/preview_form_test.cpp, whose parent window
# belongs to the test's own process.
start_xvfb 1024x768
warm_wine
host_in_folder

parent_out=$ALTOSTRAT_WINE_HOME/preview-parent.txt
rm -f "$parent_out"
start_bg sh -c "exec wine '$PROBE_EXE' parent AltostratPreviewParent 152 112 2>/dev/null >'$parent_out'"
holder=$LAST_PID
parent_known() { [ -s "$parent_out" ]; }
poll 30 parent_known || fail "the probe's parent window did not appear"
parent=$(head -1 "$parent_out" | tr -d '\r')

start_program "$HOST_COPY" /p "$parent"
host=$PROGRAM_PID
child_info() { probe child "$parent" "Preview Window" || true; }
child_shown() { [[ $(child_info) == *visible=1 ]]; }
poll 30 child_shown || fail "no visible Preview Window inside the parent: $(child_info)"
[ "$(child_info)" = "x=0 y=0 size=152x112 child=1 popup=0 visible=1" ] ||
    fail "the preview is not a child covering its parent: $(child_info)"

running "$host" || fail "the preview ended by itself"

probe post AltostratPreviewParent 0x0010 0 0 >/dev/null || fail "could not close the parent"
wait_exit "$host" 10
[ "$EXIT_CODE" -eq 0 ] || fail "the preview ended with exit code $EXIT_CODE"
wait "$holder" 2>/dev/null || true

for handle in 0 12345; do
    run_host 10 /p $handle
    [ "$EXIT_CODE" -eq 0 ] || fail "/p $handle gave exit code $EXIT_CODE"
done
