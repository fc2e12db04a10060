# The whole promise of the keeper, end to end: Windows starts the saver on a desktop of its own
# ("Screen-saver", where the host's own photograph is that desktop's plain background), and the
# renderer still gets the user's desktop 1:1. The keeper runs with this saver chosen, switched on
# and an 8-second timeout (Wine reports the user idle since the prefix started, so it photographs
# at its first look); then the host starts as Windows would start it there,
# `explorer /desktop=Screen-saver,1024x768 HOST /s`. The desktop picture the renderer is given is
# the X screen as it was, pixel for pixel, and the keeper drops its photograph once the host has
# taken it. This needs the host's gathering of the desktop picture to ask the keeper
# (TakeKeeperPhotograph) when its own photograph is unusable.
start_xvfb 1024x768
warm_wine
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true
keeper_in_folder
printf '[Section]\r\n' >"$KEEPER_DIR/アルトストラト.ini"
choose_saver "$KEEPER_DIR_WIN\\アルトストラト.scr" 8
find_temp_folder
rm -rf "$TEMP_DIR"/Altostrat-*

start_program "$KEEPER_COPY"
keeper=$PROGRAM_PID
poll 30 keeper_holds || fail "the keeper holds no photograph: $(keeper_read held)"
screen=$ALTOSTRAT_WINE_HOME/keeper-desktop-screen.png
screenshot "$screen"

start_program explorer "/desktop=Screen-saver,1024x768" "$KEEPER_HOST" /s
host=$PROGRAM_PID
# The renderer deletes the desktop's picture as soon as it has read it: opened the moment it
# appears and read through that descriptor afterwards.
desktop_opened() {
    local file
    for file in "$TEMP_DIR"/Altostrat-*/Altostrat2.bmp; do
        [ -s "$file" ] && exec {desktop_fd}<"$file" && return 0
    done
    return 1
}
deadline=$((SECONDS + 60))
until desktop_opened; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no picture of the desktop in a run folder"
    sleep 0.02
done
desktop=$ALTOSTRAT_WINE_HOME/keeper-desktop.bmp
poll 30 test "$(stat -L -c %s "/proc/$$/fd/$desktop_fd")" -ge $((1024 * 768 * 3)) ||
    fail "the desktop's picture was never written whole"
cp "/proc/$$/fd/$desktop_fd" "$desktop"
exec {desktop_fd}<&-
differing=$(compare -metric AE "$desktop" "$screen" null: 2>&1) || true
[ "$differing" = 0 ] ||
    fail "the renderer's desktop differs from the user's screen in $differing pixels"
poll 10 keeper_dropped || fail "the keeper still holds the photograph the host took"

poll 60 window_exists OpenGL Altostrat_VC || fail "no flight"
press_key Escape
wait_exit "$host" 60
wine "$KEEPER_COPY" /stop
wait_exit "$keeper" 10
[ "$EXIT_CODE" = 0 ] || fail "the keeper ended with $EXIT_CODE"
