# A session locked without a keystroke (a smart card pulled, a program calling for the lock)
# before the screensaver starts: nothing of the user's screen becomes the land. The keeper holds
# its photograph of the sample desktop, as in keeper_saver_desktop; then the session locks, and
# the notice Windows sends the keeper's window (WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK) makes it
# drop the photograph at once. The host, started as Windows starts a saver over a locked
# session (on a desktop of its own), flies over the built-in ground, no wallpaper being set, and
# its account names the keeper's photograph as missing.
#
# Real: the keeper's and the host's handling, the desktop of its own, the pictures. Simulated:
# the notice itself, posted to the keeper's window by the probe, since Wine sends none; and the
# session service's own lock flag (WTSSessionInfoEx), which Wine cannot report: the host then
# has only the keeper's notices to go by, as here. The pointer waits on a second X screen, as in
# keeper_saver_desktop, so that the saver's desktop brings no input.
keeper_saver_desktop_setup
wine reg add 'HKCU\Control Panel\Desktop' /v Wallpaper /t REG_SZ /d "" /f >/dev/null 2>&1
find_temp_folder
find_report_file
rm -rf "$TEMP_DIR"/Altostrat-*

start_program "$KEEPER_COPY"
keeper=$PROGRAM_PID
poll 30 keeper_holds || fail "the keeper holds no photograph: $(keeper_read held)"
probe post AltostratKeeper AltostratKeeper 0x02B1 7 0 >/dev/null || fail "no keeper window"
poll 10 keeper_dropped || fail "the keeper still holds the photograph over a locked session"

start_program explorer "/desktop=Screen-saver,1024x768" "$KEEPER_HOST" /s
explorer=$PROGRAM_PID
open_run_desktop 60 || fail "no picture of the desktop in a run folder"
desktop_fd=$DESKTOP_FD
poll 60 test -s "$(dirname "$DESKTOP_FILE")/Altostrat3.bmp" || fail "the pictures were not written"
ground=$ALTOSTRAT_WINE_HOME/locked-ground.bmp
cp "/proc/$$/fd/$desktop_fd" "$ground"
exec {desktop_fd}<&-
differing=$(compare -metric AE "$ground" "$ALTOSTRAT_SOURCE_DIR/assets/ground.bmp" null: 2>&1) || true
[ "$differing" = 0 ] || fail "over a locked session the ground is not the built-in ground ($differing pixels differ)"
report=$(sed -e '1s/^\xEF\xBB\xBF//' -e 's/\r$//' "$REPORT_FILE") || fail "no account of the ground"
echo "$report"
grep -qx "使わなかったもの: 常駐プログラムの写真 — 写真がありません (常駐プログラムが動いていないか、今回は撮っていません)" \
    <<<"$report" || fail "the account does not name the keeper's photograph as missing"

end_desktop_run
keeper_dropped || fail "the keeper photographed the locked session again"
wine "$KEEPER_COPY" /stop
wait_exit "$keeper" 10
[ "$EXIT_CODE" = 0 ] || fail "the keeper ended with $EXIT_CODE"
