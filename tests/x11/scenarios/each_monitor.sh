# Each monitor its own flight: on two monitors side by side (Xephyr's two Xinerama heads, a
# 1024 x 768 primary and an 800 x 600 monitor to its right), the desktop teal on the left one
# and magenta on the right one, "--each-monitor" shows sky at the top of both monitors and each
# monitor's own colour on its ground, never the other's, in every one of a few screenshots.
# One Escape ends both flights with exit code 0, and both monitors show the desktop again.
start_two_monitors || fail "no two-monitor X server"
private_runtime
desk="$XDG_RUNTIME_DIR/desk.png"
convert -size 1024x768 xc:'#008080' -size 800x768 xc:'#ff00ff' +append "$desk"
display -window root "$desk" || true
screenshot "$SHOTS/x11-each-monitor-before.png"
read -r r g b < <(pixel "$SHOTS/x11-each-monitor-before.png" 1200 300)
[ "$r $g $b" = "255 0 255" ] || fail "the right monitor is not magenta before the flight: $r $g $b"

log=$(mktemp)
start_bg "$ALTOSTRAT" --each-monitor 2>"$log"
program=$LAST_PID
shot="$SHOTS/x11-each-monitor.png"

teal() { [ "$2" -gt $(($1 + 20)) ] && [ "$3" -gt $(($1 + 20)) ]; }
magenta() { [ "$1" -gt $(($2 + 40)) ] && [ "$3" -gt $(($2 + 40)) ]; }
# ground_is SHOT KIND OTHER X... Y: every sample on the row is of KIND and none of OTHER.
ground_is() {
    local file=$1 kind=$2 other=$3 y=$4 x
    shift 4
    for x in "$@"; do
        read -r r g b < <(pixel "$file" "$x" "$y")
        $kind "$r" "$g" "$b" && ! $other "$r" "$g" "$b" || return 1
    done
}
both_fly() {
    screenshot "$shot" || return 1
    flight_shown "$shot" 0 0 1023 767 && flight_shown "$shot" 1024 0 1823 599 &&
        ground_is "$shot" teal magenta 700 150 400 850 &&
        ground_is "$shot" magenta teal 540 1150 1350 1700
}
poll 120 both_fly || fail "not both monitors flying over their own colour: left $(pixel "$shot" 150 700), right $(pixel "$shot" 1150 540); $(cat "$log")"
# Once flying, every screenshot taken one after the other shows it: a flight over the whole
# picture would now and then show the other monitor's colour.
for round in 1 2 3 4 5 6; do
    both_fly || fail "screenshot $round: left ground $(pixel "$shot" 150 700), right ground $(pixel "$shot" 1150 540)"
    echo "screenshot $round: left ground $(pixel "$shot" 150 700), right ground $(pixel "$shot" 1150 540), skies $(pixel "$shot" 512 10) / $(pixel "$shot" 1424 10)"
done

press_key Escape
wait_exit "$program" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape: $(cat "$log")"
screenshot "$SHOTS/x11-each-monitor-after.png"
[ "$(pixel "$SHOTS/x11-each-monitor-after.png" 200 300)" = "0 128 128" ] &&
    [ "$(pixel "$SHOTS/x11-each-monitor-after.png" 1200 300)" = "255 0 255" ] ||
    fail "the desktop is not back on both monitors after Escape"
! grep 'X error' "$log" || fail "X errors"
rm -f "$log"
