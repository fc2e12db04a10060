# While a running saver's hidden form ("Altostrat_Main") or the settings dialog ("<アルトストラト>")
# of the host exists, every start of the host ends at once with exit code 0: it sweeps no picture
# folder an earlier run left and does not read its settings file. Once the window is gone, a
# start does both. Another program's window of those titles, of a class of its own or even of
# the host's own class, keeps nothing from starting: the probe takes the names from outside the
# host's folder, and a start beside it sweeps and reads its settings, and /s flies.
start_xvfb 1024x768
warm_wine
saver_in_folder
leftover=Altostrat-4000000000-0

# blocked WHAT: every kind of start ends at once beside the window WHAT names.
blocked() {
    plant_leftover "$leftover"
    for arguments in "/s" "/p 1234" "/c" "" "/a"; do
        # shellcheck disable=SC2086 # the arguments are split into words as a shell would
        run_host 20 $arguments
        [ "$EXIT_CODE" -eq 0 ] || fail "'$arguments' beside $1: exit code $EXIT_CODE"
        [ -f "$TEMP_DIR/$leftover/Altostrat2.bmp" ] || fail "'$arguments' beside $1 swept the run folders"
        ! host_read_settings || fail "'$arguments' beside $1 read the settings file"
    done
}
# not_blocked WHAT: /a beside the window WHAT names sweeps and reads the settings.
not_blocked() {
    plant_leftover "$leftover"
    run_host 20 /a
    [ ! -e "$TEMP_DIR/$leftover" ] || fail "$1 kept /a from sweeping the run folders"
    host_read_settings || fail "$1 kept /a from reading the settings file"
}

for names in "AltostratProbeHold Altostrat_Main" "AltostratSettings <アルトストラト>" \
    "AltostratSaverForm Altostrat_Main"; do
    class=${names%% *} title=${names#* }
    start_bg wine "$PROBE_EXE" squat "$class" "$title"
    squatter=$LAST_PID
    poll 30 window_exists "$class" "$title" || fail "the probe's window '$title' did not appear"
    not_blocked "another program's window '$title' of class $class"
    [ "$class" = AltostratSaverForm ] && break  # kept for the saver's start below
    probe post "$class" "$title" 0x0010 0 0 >/dev/null || fail "could not close the probe's window"
    wait_exit "$squatter" 30
done

# The saver starts beside the squatter of its own form's names, and then blocks every start.
start_program "$HOST_COPY" /s
host=$PROGRAM_PID
poll 60 flight_shown "$ALTOSTRAT_WINE_HOME/single-flight.png" ||
    fail "a window of the saver's names of another program kept /s from flying"
kill "$squatter"
wait "$squatter" 2>/dev/null || true
blocked "a running saver"
press_key Escape
wait_exit "$host" 30

start_program "$HOST_COPY" /c
dialog=$PROGRAM_PID
poll 30 window_exists AltostratSettings "<アルトストラト>" || fail "no settings dialog"
blocked "the settings dialog"
probe post AltostratSettings "<アルトストラト>" 0x0010 0 0 >/dev/null || fail "could not close the dialog"
wait_exit "$dialog" 30

not_blocked "nothing"
