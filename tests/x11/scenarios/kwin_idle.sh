# KDE Plasma's compositor, KWin (Debian 12's 5.27), headless with two outputs: the desktop's
# photograph through KWin's ScreenShot2, granted by the program's installed entry, and
# "altostrat --idle 1" started on idle.
# - The package's entry (linux_program/wayland/capture/altostrat.desktop.in), naming a program by
#   its path, is what KWin grants its photograph to: the test's photograph tool, so named, gets
#   both outputs side by side in one picture; a copy of it that no entry names is refused.
# - altostrat --idle 1 flies when the seat is idle (a headless KWin has no input devices, so at
#   once), over both outputs; a mouse movement (KDE's fake input, tests/x11/wayland/kwin_input.c)
#   ends the flight, and while input goes on the program waits, drawing nothing and with no
#   flight process; once input stops it flies again; SIGTERM ends it with exit code 0 and
#   nothing left on the outputs.
# The outputs are photographed with the tool, each flight seen by its sky at the top of each
# output and its darker ground below. Where KWin is not installed or does not start, the
# scenario says so and is skipped.
photograph=${ALTOSTRAT_PHOTOGRAPH:?ALTOSTRAT_PHOTOGRAPH names the wayland_photograph tool}
installed=$(command -v kwin_wayland) || {
    echo "SKIPPED: KWin (kwin_wayland, package kwin-wayland) is not installed"
    exit 77
}
run=$(mktemp -d)
chmod 700 "$run"
applications=$run/home/.local/share/applications
mkdir -p "$applications"
# The installed KWin carries file capabilities that a headless run may not take; a copy has none.
cp "$installed" "$run/kwin_wayland"
cc -o "$run/kwin_input" "$ALTOSTRAT_SOURCE_DIR/tests/x11/wayland/kwin_input.c" -lwayland-client ||
    fail "cannot build the input helper"
cp "$photograph" "$run/photo"
cp "$photograph" "$run/photo-unnamed"
entry() {
    sed "s#@ALTOSTRAT_PROGRAM@#$1#" \
        "$ALTOSTRAT_SOURCE_DIR/linux_program/wayland/capture/altostrat.desktop.in" >"$applications/$2"
}
entry "$ALTOSTRAT" altostrat.desktop
entry "$run/photo" photo.desktop

export HOME=$run/home XDG_RUNTIME_DIR=$run WAYLAND_DISPLAY=wayland-kwin
export DBUS_SESSION_BUS_ADDRESS=unix:path=$run/bus
start_bg dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" --nopidfile \
    2>"$run/bus.log"
poll 20 test -S "$run/bus" || fail "no session bus"
# Fake input is offered to every client only with the permission checks off; the photograph's
# grant stays checked.
start_bg env KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$run/kwin_wayland" --virtual --width 480 \
    --height 360 --output-count 2 --socket wayland-kwin --no-lockscreen >"$run/kwin.log" 2>&1
kwin_ready() { XDG_RUNTIME_DIR=$run wayland-info >/dev/null 2>&1; }
poll 40 kwin_ready || {
    echo "SKIPPED: KWin does not start here: $(tail -3 "$run/kwin.log")"
    exit 77
}

# shoot: the outputs as the tool photographs them, in $run/shot.ppm.
shoot() { "$run/photo" "$run/shot.ppm" >"$run/photo.out"; }
shoot || fail "the named tool's photograph: $(cat "$run/photo.out")"
[ "$(cat "$run/photo.out")" = "KWin ScreenShot2 960x360 0,0 960x360" ] ||
    fail "the photograph is not both outputs side by side: $(cat "$run/photo.out")"
if "$run/photo-unnamed" "$run/unnamed.ppm" >"$run/unnamed.out" ||
    ! grep -q NoAuthorized "$run/unnamed.out"; then
    fail "KWin photographed for a program no entry names: $(cat "$run/unnamed.out")"
fi
echo "KWin's photograph: granted by the entry ($(cat "$run/photo.out")), refused without"

# The mouse, moving at each line "move" written to file descriptor 3.
mkfifo "$run/input"
exec 3<>"$run/input"
start_bg "$run/kwin_input" "$run/input" 3<&-

start_bg "$ALTOSTRAT" --idle 1 >"$run/out" 2>"$run/err"
program=$LAST_PID
flying() {
    shoot && flight_shown "$run/shot.ppm" 0 0 479 359 && flight_shown "$run/shot.ppm" 480 0 959 359
}
black() { shoot && [ "$(convert "$run/shot.ppm" -format '%[fx:mean<0.01]' info:)" = 1 ]; }
poll 90 flying || fail "no flight over both outputs once idle: $(cat "$run/err")"
! grep -q NoAuthorized "$run/err" || fail "the flight's photograph was refused: $(cat "$run/err")"
echo "idle: the flight covers both outputs"

echo move >&3
poll 30 black || fail "the flight goes on after the mouse moved"
# Input every few tenths of a second for two seconds: the program only waits.
before=$(awk '{print $14 + $15}' "/proc/$program/stat")
for _ in $(seq 7); do
    echo move >&3
    sleep 0.3
done
after=$(awk '{print $14 + $15}' "/proc/$program/stat")
[ -z "$(pgrep -P "$program")" ] || fail "a flight started while the mouse moved"
black || fail "something is drawn while the mouse moves"
[ $((after - before)) -le 2 ] || fail "the waiting program used $((after - before)) ticks in 2 s"
echo "input: the flight ended, and the program waits ($((after - before)) ticks in 2 s)"

poll 90 flying || fail "no flight once input stopped: $(cat "$run/err")"
echo "idle again: the flight is back"
kill -TERM "$program"
wait_exit "$program" 10
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after SIGTERM: $(cat "$run/err")"
poll 10 black || fail "the flight is still shown after the program ended"
echo "SIGTERM: exit code 0, the outputs given back"
exec 3>&-
rm -rf "$run"
