# A saver run whose renderer is missing ends by itself, showing nothing; one whose capture folder
# cannot be written (C:\t_wisp is a file) still starts the renderer, which flies without the
# pictures until Escape ends it, and the host with it.
start_xvfb 1024x768
warm_wine
host_in_folder
printf '[Section]\r\n' >"$HOST_INI"
capture=$(capture_folder)
rm -rf "$capture"

run_host 20 /s
[ "$EXIT_CODE" -eq 0 ] || fail "with no renderer the host gave exit code $EXIT_CODE"

# Not a folder: neither the folder nor any picture can be made. The renderer shows its window
# and ends when it finds none of its pictures, or on Escape; either way the host follows.
cp "$RENDERER_EXE" "$HOST_DIR/"
rm -rf "$capture"
echo "not a folder" >"$capture"
start_program "$HOST_COPY" /s
host=$PROGRAM_PID
poll 60 window_exists OpenGL Altostrat_VC || fail "the renderer did not start without C:\\t_wisp"
[ -f "$capture" ] || fail "C:\\t_wisp changed"
press_key Escape
poll 30 window_gone OpenGL Altostrat_VC || fail "the renderer did not end"
wait_exit "$host" 5
[ "$EXIT_CODE" -eq 0 ] || fail "the host ended with exit code $EXIT_CODE"
rm -f "$capture"
