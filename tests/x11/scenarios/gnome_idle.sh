# GNOME (Debian 12's gnome-shell, headless on Wayland) with two monitors of different sizes,
# 1024 x 768 and 800 x 600 to its right, and a wallpaper of one known colour (a reddish purple, with a green
# background colour that must not show): "altostrat --idle 2" as a user starts it there, an
# XWayland program waiting on GNOME's idle monitor.
# - Idle inhibited: the session has no gnome-session, so a stand-in owns org.gnome.SessionManager
#   (tests/x11/gnome/gnome_bus.py); with an idle inhibitor held there, the program asks, flies
#   nothing and waits without using the processor. Its removal lets the flight come.
# - The lock: this shell offers no lock screen, so a stand-in owns org.gnome.ScreenSaver too; its
#   ActiveChanged(true) ends the flight, and the program flies again only after the unlock and
#   the user's next time away, then with neither stand-in on the bus: where no session manager
#   answers, nothing inhibits.
# - The flight covers both monitors, the top bar too (the sky at the top of each), with the
#   wallpaper's colour in the ground near the camera.
# - Input through GNOME's remote desktop (which GNOME counts as the user's; XTEST does not) ends
#   it: the session shows as before (the same picture but for the clock), no flight process.
# - It waits again and flies again, the lock ends that flight; the third flight SIGTERM ends with
#   exit code 0, the flight with it.
# Pictures come from the shell's screenshot interface. Where gnome-shell is not installed or does
# not start, the scenario says so and is skipped.
command -v gnome-shell >/dev/null || {
    echo "SKIPPED: gnome-shell is not installed"
    exit 77
}
# shellcheck source=../gnome/session.sh
source "$ALTOSTRAT_SOURCE_DIR/tests/x11/gnome/session.sh"
gnome_folder
# Red above blue: neither the wallpaper nor a picture of it is ever taken for the sky.
convert -size 1600x1200 xc:'#d040a0' "$gnome/wall.png"
cat >"$gnome/settings.in" <<SETTINGS
org.gnome.desktop.background picture-uri 'file://$gnome/wall.png'
org.gnome.desktop.background picture-uri-dark 'file://$gnome/wall.png'
org.gnome.desktop.background picture-options 'zoom'
org.gnome.desktop.background primary-color '#20a040'
SETTINGS
gnome_session "$gnome/settings.in" 1024x768 800x600 || {
    echo "SKIPPED: GNOME does not start here"
    exit 77
}
echo "GNOME: two monitors on XWayland $X_DISPLAY, the overview closed"
cp "$ALTOSTRAT" "$gnome/altostrat"
chown "$GNOME_USER" "$gnome/altostrat"

shot() { gnome_shot "$gnome/shot.png"; }
flying() {
    shot && flight_shown "$gnome/shot.png" 0 0 1023 767 &&
        flight_shown "$gnome/shot.png" 1024 0 1823 599
}
# The same picture as before the flight, but for the top bar's clock.
as_before() {
    local differing
    shot || return 1
    differing=$(compare -metric AE -fuzz 10% "$gnome/before.png" "$gnome/shot.png" null: 2>&1) ||
        true
    [ "${differing%%.*}" -lt 3000 ] 2>/dev/null
}
# wallpaper_ground FILE: the ground near the camera, in 15 samples on each monitor, mostly
# purple (red and blue well above green): the wallpaper's colour under the fog and the light.
wallpaper_ground() {
    echo "$(purple_samples "$1" "600 680 740" "96 304 512 720 928")" \
        "$(purple_samples "$1" "470 530 580" "1100 1260 1420 1580 1740")"
}
# purple_samples FILE YS XS: how many of the pixels at each of YS by each of XS are purple.
purple_samples() {
    local x y r g b purple=0
    for y in $2; do
        for x in $3; do
            read -r r g b < <(pixel "$1" "$x" "$y")
            [ "$r" -gt $((g + 40)) ] && [ "$b" -gt $((g + 40)) ] && purple=$((purple + 1))
        done
    done
    echo "$purple"
}
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

shot || fail "no picture of the session"
cp "$gnome/shot.png" "$gnome/before.png"
start_in_gnome python3 "$gnome/gnome_bus.py" stand-ins "$gnome/inhibit.log" >"$gnome/stand-ins.out"
stand_ins=$LAST_PID
poll 20 grep -q ready "$gnome/stand-ins.out" || fail "the stand-ins did not start"
gnome_gdbus call --session -d org.gnome.SessionManager -o /org/gnome/SessionManager \
    -m org.gnome.SessionManager.Inhibit video 0 "a video plays" 8 >/dev/null ||
    fail "cannot inhibit idle"

start_in_gnome "$gnome/altostrat" --idle 2 >"$gnome/out" 2>"$gnome/err"
runner=$LAST_PID
poll 10 eval 'program=$(pgrep -P '"$runner"')' || fail "the program did not start"
poll 30 grep -q "IsInhibited 8 true" "$gnome/inhibit.log" ||
    fail "the program never asked whether idle is inhibited: $(cat "$gnome/err")"
before=$(ticks "$program")
sleep 2
[ -z "$(pgrep -P "$program")" ] || fail "a flight started while idle was inhibited"
as_before || fail "something is drawn while idle is inhibited"
used=$(($(ticks "$program") - before))
[ "$used" -le 2 ] || fail "the waiting program used $used ticks in 2 s"
echo "inhibited: the program asked, flies nothing and waits ($used ticks in 2 s)"

gnome_gdbus call --session -d org.gnome.SessionManager -o /org/gnome/SessionManager \
    -m org.gnome.SessionManager.Uninhibit 1 >/dev/null || fail "cannot uninhibit idle"
poll 90 flying || fail "no flight over both monitors and the top bar: $(cat "$gnome/err")"
read -r ground_left ground_right < <(wallpaper_ground "$gnome/shot.png")
cp "$gnome/shot.png" "$SHOTS/gnome_idle_flight.png"
echo "idle: the flight covers both monitors and the top bar"

gnome_move
poll 30 as_before || fail "the session does not show as before once the mouse moved"
poll 10 eval '[ -z "$(pgrep -P '"$program"')" ]' || fail "the flight process is still there"
echo "input: the flight ended, the session shows as before"

poll 90 flying || fail "no flight the second time: $(cat "$gnome/err")"
echo "idle again: the flight is back"
screensaver() {
    gnome_gdbus call --session -d org.gnome.ScreenSaver -o /org/gnome/ScreenSaver \
        -m "org.gnome.ScreenSaver.$1" "${@:2}" >/dev/null
}
screensaver Lock || fail "cannot lock"
poll 10 eval '[ -z "$(pgrep -P '"$program"')" ]' || fail "the flight goes on behind the lock"
running "$program" || fail "the program ended with the lock"
screensaver SetActive false || fail "cannot unlock"
echo "the lock: the flight ended, the program waits"
# As in a session without gnome-session: nobody answers whether idle is inhibited.
kill "$(pgrep -P "$stand_ins")"
wait_exit "$stand_ins" 10
gnome_move
poll 90 flying || fail "no flight after the unlock without a session manager: $(cat "$gnome/err")"
echo "idle after the unlock, no session manager on the bus: the flight is back"
kill -TERM "$program"
wait_exit "$runner" 10
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after SIGTERM: $(cat "$gnome/err")"
poll 30 as_before || fail "the flight is still shown after the program ended"
echo "SIGTERM: exit code 0, the session shows as before"

[ "$ground_left" -ge 8 ] && [ "$ground_right" -ge 8 ] ||
    fail "the wallpaper's colour is not in the ground ($ground_left and $ground_right purple" \
        "samples of 15 on the two monitors; $SHOTS/gnome_idle_flight.png)"
echo "the ground: the wallpaper's colour ($ground_left and $ground_right of 15 samples)"
