# A saver run whose renderer is missing ends by itself, showing nothing and leaving no folder.
# What earlier versions used, C:\t_wisp, planted as a plain file and then as a folder holding
# pictures of someone else's: a run flies and ends without touching either. With the temporary
# folder unwritable (TEMP and TMP naming a folder that does not exist) a run makes no folder
# anywhere and still covers the screen, drawing plain what it has no picture of, until Escape
# ends it and the host with it.
start_xvfb 1024x768
warm_wine
host_in_folder
printf '[Section]\r\n' >"$HOST_INI"
find_temp_folder
rm -rf "$TEMP_DIR"/Altostrat-*  # what runs of earlier scenarios may have left
capture=$(capture_folder)
rm -rf "$capture"

run_host 20 /s
[ "$EXIT_CODE" -eq 0 ] || fail "with no renderer the host gave exit code $EXIT_CODE"
[ -z "$(run_folders)" ] || fail "with no renderer a folder stayed: $(run_folders)"

cp "$RENDERER_EXE" "$HOST_DIR/"
# flies_and_ends WHAT: one /s run shows the flight, and Escape ends it and the host.
flies_and_ends() {
    start_program "$HOST_COPY" /s
    local host=$PROGRAM_PID
    poll 60 window_shown OpenGL Altostrat_VC || fail "$1: no flight"
    press_key Escape
    poll 30 window_gone OpenGL Altostrat_VC || fail "$1: the renderer did not end"
    wait_exit "$host" 5
    [ "$EXIT_CODE" -eq 0 ] || fail "$1: the host ended with exit code $EXIT_CODE"
}

echo "not a folder" >"$capture"
flies_and_ends "C:\\t_wisp a file"
[ "$(cat "$capture")" = "not a folder" ] || fail "the file C:\\t_wisp changed"
rm -f "$capture"

mkdir -p "$capture"
for n in 1 2 3; do
    echo "someone else's $n" >"$capture/Altostrat$n.bmp"
done
before=$(cd "$capture" && ls -l --time-style=+%s.%N && cat ./*)
flies_and_ends "C:\\t_wisp a folder"
[ "$(cd "$capture" && ls -l --time-style=+%s.%N && cat ./*)" = "$before" ] ||
    fail "the folder C:\\t_wisp changed"
rm -rf "$capture"
[ -z "$(run_folders)" ] || fail "a run folder stayed: $(run_folders)"

# Wine takes TEMP and TMP from the registry for a program started from Unix, but a program
# started by another passes its own environment on: the host is started through cmd, from its
# own folder.
missing='C:\altostrat-no-temp'
start_bg env -C "$HOST_DIR" wine cmd /c "set TEMP=$missing&& set TMP=$missing&& $(basename "$HOST_COPY") /s"
poll 60 window_exists - Altostrat_Main || fail "unwritable temporary folder: the host did not start"
poll 60 window_shown OpenGL Altostrat_VC || fail "unwritable temporary folder: no flight"
renderer=$(program_pid "$(basename "$RENDERER_EXE")") || fail "no process of the renderer"
still_running_after "$renderer" 3 || fail "unwritable temporary folder: the flight ended by itself"
expect_flight_window 1024x768
press_key Escape
poll 30 window_gone - Altostrat_Main || fail "unwritable temporary folder: the host did not end"
[ ! -e "$(winepath -u "$missing" 2>/dev/null)" ] || fail "the missing temporary folder was made"
[ -z "$(run_folders)" ] || fail "a run folder was made elsewhere: $(run_folders)"
[ ! -e "$capture" ] || fail "C:\\t_wisp was made instead"
