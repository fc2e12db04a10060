# While a running saver's hidden form ("Altostrat_Main") or the settings dialog ("<アルトストラト>")
# exists, hidden or shown, every start of the host ends at once with exit code 0: it sweeps no
# picture folder an earlier run left and does not read its settings file. Once the window is
# gone, a start does both.
start_xvfb 1024x768
warm_wine
host_in_folder
printf '[Section]\r\n' >"$HOST_INI"
find_temp_folder
leftover=Altostrat-4000000000-0
plant_leftover "$leftover"

for title in Altostrat_Main "<アルトストラト>"; do
    for how in hidden visible; do
        start_bg wine "$PROBE_EXE" hold "$title" "$how"
        holder=$LAST_PID
        poll 30 window_exists - "$title" || fail "the probe's window '$title' did not appear"
        for arguments in "/s" "/p 1234" "/c" "" "/a"; do
            # shellcheck disable=SC2086 # the arguments are split into words as a shell would
            run_host 20 $arguments
            what="'$arguments' beside a $how window '$title'"
            [ "$EXIT_CODE" -eq 0 ] || fail "$what: exit code $EXIT_CODE"
            [ -f "$TEMP_DIR/$leftover/Altostrat2.bmp" ] || fail "$what swept the run folders"
            ! host_read_settings || fail "$what read the settings file"
        done
        probe post "$title" 0x0010 0 0 >/dev/null || fail "could not close the probe's window"
        wait_exit "$holder" 30
    done
done

run_host 20 /a
[ ! -e "$TEMP_DIR/$leftover" ] || fail "with no other instance, /a did not sweep the run folders"
host_read_settings || fail "with no other instance, /a did not read the settings file"
