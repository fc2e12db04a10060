# Standalone, altostrat photographs the root window before it shows anything and flies over
# it full screen: the sky at the top, the root picture's colours on the ground. Escape ends it
# with exit code 0 and gives the screen back: the root picture shows again. The private capture
# folder is gone as soon as the flight shows. A second flight cannot have the keyboard and ends;
# the screen's size changes and the flight follows.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
private_runtime
start_bg "$ALTOSTRAT"
program=$LAST_PID

shot="$SHOTS/x11-standalone.png"
# The sample desktop is teal where the flight starts; fog and light shade it, but green and
# blue stay well above red on the ground. The desktop itself, before the flight covers it, has
# blue at its top, a darker taskbar and teal too: its taskbar's plain grey tells it apart.
teal_ground() {
    flight_over_sample_desktop "$shot" || return 1
    read -r r g b < <(pixel "$shot" 200 700)
    [ "$g" -gt $((r + 20)) ] && [ "$b" -gt $((r + 20)) ]
}
poll 120 teal_ground || fail "no flight over the teal desktop: $(pixel "$shot" 200 700)"
echo "ground at (200, 700): $(pixel "$shot" 200 700); sky at (512, 10): $(pixel "$shot" 512 10)"
# The pictures went from the disk once they were textures.
[ "$(capture_folders)" -eq 0 ] || fail "the desktop's picture is still on disk while flying"

# A second flight while the first holds the keyboard: its grab is refused, and after trying
# for a second it ends with a message instead of covering the screen with no way out.
log=$(mktemp)
start_bg "$ALTOSTRAT" 2>"$log"
wait_exit "$LAST_PID" 60
echo "a second flight ended with exit code $EXIT_CODE: $(cat "$log")"
[ "$EXIT_CODE" -eq 1 ] && grep -q 'holds the keyboard' "$log" ||
    fail "the second flight did not give up on the keyboard"
rm -f "$log"

# The screen's size changes (xrandr) under the flight: its window follows, to 800 x 600 and back.
output=$(xrandr | awk '/ connected/ {print $1; exit}')
xrandr --newmode 800x600 0 800 0 0 0 600 0 0 0
xrandr --addmode "$output" 800x600
window_size() {
    [ "$(xwininfo -name Altostrat_VC | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')" = "$1" ]
}
for mode in 800x600 1024x768; do
    xrandr --output "$output" --mode "$mode"
    poll 30 window_size "$mode" || fail "the flight's window did not follow the screen to $mode"
    resized() {
        screenshot "$shot" && flight_shown "$shot" 0 0 $((${mode%x*} - 1)) $((${mode#*x} - 1))
    }
    poll 60 resized || fail "no flight over the whole $mode screen"
    echo "the flight follows the screen to $mode"
done

press_key Escape
wait_exit "$program" 30
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after Escape"
[ "$(capture_folders)" -eq 0 ] || fail "the capture folder is left behind"
screenshot "$SHOTS/x11-standalone-after.png"
# The taskbar of the sample desktop is light grey at the bottom left.
read -r r g b < <(pixel "$SHOTS/x11-standalone-after.png" 300 755)
[ "$r" -gt 170 ] && [ "$r" = "$g" ] || fail "the desktop is not back after Escape: $r $g $b"
