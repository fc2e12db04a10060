# Each kind of command line but the settings dialog's (settings_dialog.sh has those), with no
# other instance running: the preview neither creates the capture folder nor reads the settings
# file; every other start does both (an existing folder is no obstacle) and, as long as the
# modes' forms are not built, ends with exit code 0.
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

for arguments in "/a" "s" "/s" "-S" ""; do
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
