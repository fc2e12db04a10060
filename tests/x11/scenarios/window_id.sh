# As a hack given a window with --window-id, altostrat fills that window with the flight at the
# window's own size (a wide 800 x 300 window, far from 4:3), and SIGTERM ends it with exit
# code 0 and no capture folder left behind. Then a flight in the window of xev, which reports the
# keys typed over it as xscreensaver's preview would take them: the keyboard stays with the
# window's owner, so Escape typed over the flight reaches xev and the flight goes on. At last
# that window is destroyed under the flight.
start_xvfb 1024x768
private_runtime
# A window of a plain magenta picture, shown by ImageMagick at a known place.
convert -size 800x300 xc:'#ff00ff' "$XDG_RUNTIME_DIR/magenta.png"
start_bg display -geometry +100+200 -title altostrat-target "$XDG_RUNTIME_DIR/magenta.png"
owner=$LAST_PID
find_target() { target=$(xdotool search --name altostrat-target | head -1) && [ -n "$target" ]; }
poll 30 find_target || fail "the test window did not appear"
read -r wx wy < <(xwininfo -id "$target" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')

start_bg "$ALTOSTRAT" --window-id "$target"
program=$LAST_PID
shot="$SHOTS/x11-window-id.png"
filled() {
    screenshot "$shot"
    flight_shown "$shot" "$wx" "$wy" $((wx + 799)) $((wy + 299)) || return 1
    local x y r g b
    for x in $((wx + 1)) $((wx + 798)); do
        for y in $((wy + 1)) $((wy + 298)); do
            read -r r g b < <(pixel "$shot" "$x" "$y")
            [ "$r $g $b" != "255 0 255" ] || return 1
        done
    done
}
poll 120 filled || fail "the flight does not fill the window"
echo "corners of the window are flight, not magenta"
read -r r g b < <(pixel "$shot" $((wx + 400)) $((wy - 20)))
[ "$r $g $b" = "0 0 0" ] || fail "the flight reaches outside the window: $r $g $b"

kill -TERM "$program"
wait_exit "$program" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after SIGTERM"
[ "$(capture_folders)" -eq 0 ] || fail "the capture folder is left behind"

# xev's window, and Escape typed over the flight in it (the pointer there, as the server gives
# keys to the window under the pointer): the key reaches xev, and the flight goes on.
kill "$owner"
wait "$owner" || true
keys=$(mktemp)
start_bg xev -geometry 800x300+100+200 -name altostrat-target -event keyboard >"$keys"
owner=$LAST_PID
poll 30 find_target || fail "the test window did not appear"
log=$(mktemp)
start_bg "$ALTOSTRAT" --window-id "$target" 2>"$log"
program=$LAST_PID
shown_in_window() { screenshot "$shot" && flight_shown "$shot" "$wx" "$wy" $((wx + 799)) $((wy + 299)); }
poll 120 shown_in_window || fail "no flight in xev's window"
xdotool mousemove $((wx + 400)) $((wy + 150))
escape_reached_owner() {
    press_key Escape
    grep -q '^KeyPress' "$keys"
}
poll 30 escape_reached_owner || fail "Escape typed over the flight did not reach the window's owner"
running "$program" || fail "Escape typed over the given window ended the flight"
echo "Escape typed over the window went to its owner; the flight goes on"

# The given window destroyed under the flight (its owner ends): the hack ends with exit code 0,
# draws nothing more into it (so X reports no error about a window that is gone), and leaves no
# picture behind.
kill -TERM "$owner"
wait_exit "$program" 10
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after the window went"
! grep 'X error' "$log" || fail "drawn into the window after it was destroyed"
echo "the window destroyed: the hack ended without an X error"
[ "$(capture_folders)" -eq 0 ] || fail "the capture folder is left behind"
rm -f "$log" "$keys"
