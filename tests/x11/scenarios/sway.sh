# On a Wayland desktop: Debian's sway, headless, runs the program through XWayland, as GNOME's
# Wayland session does (sway itself would have it fly natively: wayland.sh; "--x11" asks for
# XWayland). Started from sway ("swaymsg exec"), the program tells once why it flies in an
# XWayland window and what that window cannot do, fills the output with a
# full-screen window the compositor manages and focuses, flies over its own ground (a Wayland
# desktop's X server has no picture of the desktop to give), and reports no X error. Escape typed
# through the compositor (wtype) ends it with exit code 0; so does a click of the mouse (a
# virtual pointer, the compositor's own way of taking a mouse, through tests/x11/wayland/click.c).
# Each test keyboard or mouse is a new device that XWayland first has to take up: the mouse is
# made once, before the flight, and a key waits a moment (and is typed again if the flight goes
# on, as a key pressed at once may go nowhere).
sway_run_folder
printf 'xwayland enable\noutput HEADLESS-1 resolution 1024x768\n' >"$run/config"
# The launcher sway runs: the program's output, and its exit code once it ends.
cat >"$run/fly.sh" <<FLY
#!/bin/sh
rm -f "$run/code"
"$ALTOSTRAT" --x11 >"$run/out" 2>"$run/err"
echo \$? >"$run/code"
FLY
chmod 755 "$run/fly.sh"
start_sway
start_mouse 1024 768

shot="$SHOTS/sway.png"
# fly: starts the program from sway and waits until it fills the output with its flight.
fly() {
    rm -f "$run/code" "$run/err"
    as_user swaymsg exec "$run/fly.sh" >/dev/null
    fills() {
        local x y r g b
        as_user grim "$run/shot.png" && cp "$run/shot.png" "$shot" || return 1
        flight_shown "$shot" 0 0 1023 767 && own_ground "$shot" || return 1
        for x in 2 1021; do
            for y in 2 765; do
                read -r r g b < <(pixel "$shot" "$x" "$y")
                [ $((r + g + b)) -gt 100 ] || return 1
            done
        done
    }
    poll 120 fills || fail "no flight over the whole output: $(cat "$run/err" "$run/code" 2>/dev/null)"
}
# flight_ended HOW COMMAND...: as x11-lib.sh tells, and no X error said.
flight_ended() {
    ended "$@"
    ! grep 'X error' "$run/err" || fail "an X error on the terminal"
}

fly
[ "$(grep -c 'XWayland window' "$run/out")" -eq 1 ] ||
    fail "no single word on the XWayland window: $(cat "$run/out")"
grep -q 'not above full-screen windows' "$run/out" || fail "no word on what the XWayland window cannot do"
echo "the flight fills the output over its own ground; it said: $(head -1 "$run/out")"
flight_ended "Escape" as_user wtype -s 300 -P Escape -s 200 -p Escape

fly
flight_ended "a click" click_at 512 384
exec 3>&-
rm -rf "$run"
