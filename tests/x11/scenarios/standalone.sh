# Standalone, altostrat photographs the root window before it shows anything and flies over
# it full screen: the sky at the top, the root picture's colours on the ground. Escape ends it
# with exit code 0 and gives the screen back: the root picture shows again, and the private
# capture folder is gone.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
private_runtime
start_bg "$ALTOSTRAT"
program=$LAST_PID

shot="$SHOTS/x11-standalone.png"
# The sample desktop is teal where the flight starts; fog and light shade it, but green and
# blue stay well above red on the ground.
teal_ground() {
    screenshot "$shot"
    flight_shown "$shot" 0 0 1023 767 || return 1
    read -r r g b < <(pixel "$shot" 200 700)
    [ "$g" -gt $((r + 20)) ] && [ "$b" -gt $((r + 20)) ]
}
poll 120 teal_ground || fail "no flight over the teal desktop: $(pixel "$shot" 200 700)"
echo "ground at (200, 700): $(pixel "$shot" 200 700); sky at (512, 10): $(pixel "$shot" 512 10)"
[ "$(capture_folders)" -eq 1 ] || fail "no private capture folder while flying"

press_key Escape
wait_exit "$program" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape"
[ "$(capture_folders)" -eq 0 ] || fail "the capture folder is left behind"
screenshot "$SHOTS/x11-standalone-after.png"
# The taskbar of the sample desktop is light grey at the bottom left.
read -r r g b < <(pixel "$SHOTS/x11-standalone-after.png" 300 755)
[ "$r" -gt 170 ] && [ "$r" = "$g" ] || fail "the desktop is not back after Escape: $r $g $b"
