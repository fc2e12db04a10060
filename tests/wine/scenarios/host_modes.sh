# Each kind of command line but the settings dialog's (settings_dialog.sh has those), with no
# other instance running: the preview neither sweeps the picture folders earlier runs left nor
# reads the settings file; every other start does both and, as long as the modes' forms are not
# built, ends with exit code 0. No start makes C:\t_wisp, where earlier versions kept their
# pictures. The sweep removes, in the user's temporary folder, a left run folder (its lock and
# pictures) of the runs' own name and nothing else: not a folder of another name, not a plain
# file of that name, and never what a symbolic link of that name leads to (Wine shows a Unix
# link to a folder as a reparse point, as Windows shows a junction). No arguments at all
# (Explorer's "Configure" on a .scr) open the settings dialog "<アルトストラト>" as /c does: with
# the renderer beside the host, no flight window appears and no picture of the desktop is taken;
# Escape closes it.
start_xvfb 1024x768
warm_wine
host_in_folder
printf '[Section]\r\n' >"$HOST_INI"
capture=$(capture_folder)
rm -rf "$capture"
find_temp_folder
rm -rf "$TEMP_DIR"/Altostrat-*  # what runs of earlier scenarios may have left
leftover=Altostrat-4000000000-0

for arguments in "/p 1234" "/P:1234" "/p"; do
    plant_leftover "$leftover"
    # shellcheck disable=SC2086
    run_host 20 $arguments
    [ "$EXIT_CODE" -eq 0 ] || fail "'$arguments': exit code $EXIT_CODE"
    [ -f "$TEMP_DIR/$leftover/Altostrat2.bmp" ] || fail "'$arguments' swept the run folders"
    ! host_read_settings || fail "'$arguments' read the settings file"
done

# Beside the leftover, what the sweep must leave alone.
elsewhere=$ALTOSTRAT_WINE_HOME/host-modes-elsewhere
rm -rf "$elsewhere"
mkdir -p "$elsewhere"
echo "someone else's" >"$elsewhere/Altostrat2.bmp"
: >"$elsewhere/Altostrat.lock"
ln -s "$elsewhere" "$TEMP_DIR/Altostrat-4000000000-1"
mkdir -p "$TEMP_DIR/Altostrat-x"
echo "not ours" >"$TEMP_DIR/Altostrat-x/Altostrat2.bmp"
echo "a file" >"$TEMP_DIR/Altostrat-4000000000-2"
kept=$(run_folders)

for arguments in "/a" "s" "/s" "-S"; do
    plant_leftover "$leftover"
    # shellcheck disable=SC2086
    run_host 20 $arguments
    [ "$EXIT_CODE" -eq 0 ] || fail "'$arguments': exit code $EXIT_CODE"
    [ ! -e "$TEMP_DIR/$leftover" ] || fail "'$arguments' did not sweep the left run folder"
    [ "$(run_folders)" = "$(grep -vx "$leftover" <<<"$kept")" ] ||
        fail "'$arguments' swept what is not a left run folder: $(run_folders)"
    host_read_settings || fail "'$arguments' did not read the settings file"
    [ ! -e "$capture" ] || fail "'$arguments' created C:\\t_wisp"
done
[ "$(cat "$elsewhere/Altostrat2.bmp")" = "someone else's" ] && [ -e "$elsewhere/Altostrat.lock" ] ||
    fail "the sweep went through the link"
[ "$(cat "$TEMP_DIR/Altostrat-x/Altostrat2.bmp")" = "not ours" ] || fail "the sweep took another name's file"
rm -rf "$TEMP_DIR/Altostrat-4000000000-1" "$TEMP_DIR/Altostrat-4000000000-2" "$TEMP_DIR/Altostrat-x" \
    "$elsewhere"

# No arguments: the settings, and nothing of a saver run.
cp "$RENDERER_EXE" "$HOST_DIR/"
start_program "$HOST_COPY"
host=$PROGRAM_PID
poll 60 window_shown - "<アルトストラト>" || fail "no arguments: no visible window <アルトストラト>"
screenshot "$ALTOSTRAT_WINE_HOME/host-modes-no-arguments.png"
window_gone OpenGL Altostrat_VC || fail "no arguments started the flight"
[ -z "$(run_folders)" ] || fail "no arguments made a run folder: $(run_folders)"
xdotool key Escape
wait_exit "$host" 30
[ "$EXIT_CODE" -eq 0 ] || fail "no arguments, Escape: exit code $EXIT_CODE"
window_gone OpenGL Altostrat_VC || fail "the flight started after the dialog closed"
[ -z "$(run_folders)" ] || fail "a run folder was made after the dialog: $(run_folders)"
[ ! -e "$capture" ] || fail "no arguments created C:\\t_wisp"
rm -f "$HOST_DIR/アルトストラト.dll"
