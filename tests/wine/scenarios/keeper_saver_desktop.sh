# The whole promise of the keeper, end to end: Windows starts the saver on a desktop of its own
# ("Screen-saver", where the host's own photograph is that desktop's plain background), and the
# renderer still gets the user's desktop 1:1. The keeper runs with this saver chosen, switched on
# and an 8-second timeout (Wine reports the user idle since the prefix started, so it photographs
# at its first look); then the host starts as Windows would start it there,
# `explorer /desktop=Screen-saver,1024x768 HOST /s`. The desktop picture the renderer is given is
# the X screen as it was, pixel for pixel, and the keeper drops its photograph once the host has
# taken it. This needs the host's gathering of the desktop picture to ask the keeper
# (TakeKeeperPhotograph) when its own photograph is unusable.
#
# Wine draws the saver's desktop as a window of its own over the X screen; mapped under the
# pointer, that window's first crossing event counts as the user's input, and the photograph
# taken before it would rightly be refused as older than the last input (and dropped by the
# keeper). Windows switches desktops without any input. So the pointer waits on a second X screen
# of the same server, where no window of Wine's appears.
keeper_saver_desktop_setup
find_temp_folder
rm -rf "$TEMP_DIR"/Altostrat-*

start_program "$KEEPER_COPY"
keeper=$PROGRAM_PID
poll 30 keeper_holds || fail "the keeper holds no photograph: $(keeper_read held)"
screen=$ALTOSTRAT_WINE_HOME/keeper-desktop-screen.png
screenshot "$screen"

start_program explorer "/desktop=Screen-saver,1024x768" "$KEEPER_HOST" /s
explorer=$PROGRAM_PID
# The renderer deletes the desktop's picture as soon as it has read it: opened the moment it
# appears and read through that descriptor afterwards.
open_run_desktop 60 || fail "no picture of the desktop in a run folder"
desktop_fd=$DESKTOP_FD
desktop=$ALTOSTRAT_WINE_HOME/keeper-desktop.bmp
desktop_whole() {
    [ "$(stat -L -c %s "/proc/$$/fd/$desktop_fd")" -ge $((1024 * 768 * 3)) ]
}
poll 30 desktop_whole ||
    fail "the desktop's picture was never written whole ($(stat -L -c %s "/proc/$$/fd/$desktop_fd") bytes)"
cp "/proc/$$/fd/$desktop_fd" "$desktop"
exec {desktop_fd}<&-
differing=$(compare -metric AE "$desktop" "$screen" null: 2>&1) || true
[ "$differing" = 0 ] ||
    fail "the renderer's desktop differs from the user's screen in $differing pixels"
poll 10 keeper_dropped || fail "the keeper still holds the photograph the host took"

end_desktop_run
wine "$KEEPER_COPY" /stop
wait_exit "$keeper" 10
[ "$EXIT_CODE" = 0 ] || fail "the keeper ended with $EXIT_CODE"
