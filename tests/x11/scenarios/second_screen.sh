# A window on the second screen of an X server whose default screen is the first: given that
# window, altostrat takes its GL visual from the window's own screen and fills the window with
# the flight, with no X error (a visual of the default screen cannot make a window there).
start_xvfb_two_screens 640x480 1024x768
private_runtime
second=${DISPLAY%.0}.1
convert -size 600x400 xc:'#ff00ff' "$XDG_RUNTIME_DIR/magenta.png"
start_bg display -display "$second" -geometry +50+60 -title altostrat-second \
    "$XDG_RUNTIME_DIR/magenta.png"
find_target() { target=$(DISPLAY=$second xdotool search --name altostrat-second | head -1) && [ -n "$target" ]; }
poll 30 find_target || fail "the test window did not appear"
read -r wx wy < <(xwininfo -display "$second" -id "$target" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')

log=$(mktemp)
start_bg "$ALTOSTRAT" --window-id "$target" 2>"$log"
program=$LAST_PID
shot="$SHOTS/x11-second-screen.png"
filled() {
    import -display "$second" -window root "$shot" || return 1
    flight_shown "$shot" "$wx" "$wy" $((wx + 599)) $((wy + 399)) || return 1
    local r g b
    read -r r g b < <(pixel "$shot" $((wx + 2)) $((wy + 397)))
    [ "$r $g $b" != "255 0 255" ]
}
poll 120 filled || fail "no flight in the window on the second screen: $(cat "$log")"
echo "the flight fills the window on the second screen"
kill -TERM "$program"
wait_exit "$program" 10
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after SIGTERM"
! grep 'X error' "$log" || fail "X errors on the second screen"
rm -f "$log"
