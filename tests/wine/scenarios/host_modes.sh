# Each kind of command line but the settings dialog's (settings_dialog.sh has those), with no
# other instance running: the preview neither creates the capture folder nor reads the settings
# file; every other start does both (an existing folder is no obstacle) and, as long as the
# modes' forms are not built, ends with exit code 0. No arguments at all (Explorer's "Configure"
# on a .scr) open the settings dialog "<アルトストラト>" as /c does: with the renderer beside the
# host, no flight window appears and no picture of the desktop is taken; Escape closes it.
start_xvfb 1024x768
warm_wine
host_in_folder
printf '[Section]\r\n' >"$HOST_INI"
capture=$(capture_folder)

for arguments in "/p 1234" "/P:1234" "/p"; do
    rm -rf "$capture"
    # shellcheck disable=SC2086
    run_host 20 $arguments
    [ "$EXIT_CODE" -eq 0 ] || fail "'$arguments': exit code $EXIT_CODE"
    [ ! -e "$capture" ] || fail "'$arguments' created C:\\t_wisp"
    ! host_read_settings || fail "'$arguments' read the settings file"
done

for arguments in "/a" "s" "/s" "-S"; do
    rm -rf "$capture"
    # shellcheck disable=SC2086
    run_host 20 $arguments
    [ "$EXIT_CODE" -eq 0 ] || fail "'$arguments': exit code $EXIT_CODE"
    [ -d "$capture" ] || fail "'$arguments' did not create C:\\t_wisp"
    host_read_settings || fail "'$arguments' did not read the settings file"
done

# The folder already exists: no matter.
run_host 20 /a
[ "$EXIT_CODE" -eq 0 ] || fail "/a with an existing C:\\t_wisp: exit code $EXIT_CODE"
[ -d "$capture" ] || fail "C:\\t_wisp went away"

# No arguments: the settings, and nothing of a saver run.
rm -rf "$capture"
cp "$RENDERER_EXE" "$HOST_DIR/"
start_program "$HOST_COPY"
host=$PROGRAM_PID
poll 60 window_shown - "<アルトストラト>" || fail "no arguments: no visible window <アルトストラト>"
screenshot "$ALTOSTRAT_WINE_HOME/host-modes-no-arguments.png"
window_gone OpenGL Altostrat_VC || fail "no arguments started the flight"
[ -d "$capture" ] || fail "no arguments did not create C:\\t_wisp"
[ ! -e "$capture/Altostrat2.bmp" ] || fail "no arguments took a picture of the desktop"
xdotool key Escape
wait_exit "$host" 30
[ "$EXIT_CODE" -eq 0 ] || fail "no arguments, Escape: exit code $EXIT_CODE"
window_gone OpenGL Altostrat_VC || fail "the flight started after the dialog closed"
[ ! -e "$capture/Altostrat2.bmp" ] || fail "a picture of the desktop was taken after the dialog"
rm -f "$HOST_DIR/アルトストラト.dll"
