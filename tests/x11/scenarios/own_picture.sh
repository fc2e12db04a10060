# "--picture FILE" flies over the user's picture instead of the desktop: a purple JPEG gives a
# purple ground over the teal sample desktop. A picture that is cut off gives the program's own
# ground (fields, woods, water) and one line on stderr naming the file; a folder of pictures
# gives one of them.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
private_runtime
pictures=$(mktemp -d)
convert -size 1600x1200 xc:'#b030c8' -quality 90 "$pictures/purple.jpg"
shot="$SHOTS/x11-own-picture.png"

# fly_and_look ARGS...: starts a flight, waits for it, takes the screenshot, ends it with Escape.
fly_and_look() {
    start_bg "$ALTOSTRAT" "$@" 2>"$pictures/log"
    local program=$LAST_PID
    poll 180 flight_over_sample_desktop "$shot" || fail "no flight with $*: $(cat "$pictures/log")"
    press_key Escape
    wait_exit "$program" 60
    [ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE with $*"
}

fly_and_look --picture "$pictures/purple.jpg"
read -r purple bars < <(ground_kinds "$shot")
echo "--picture purple.jpg: $purple of 15 ground samples purple"
[ "$purple" -ge 8 ] || fail "the ground does not show the picture's purple: $purple $bars"
[ ! -s "$pictures/log" ] || fail "words on stderr for a good picture: $(cat "$pictures/log")"

head -c 3000 "$pictures/purple.jpg" >"$pictures/cut.jpg"
fly_and_look --picture "$pictures/cut.jpg"
own_ground "$shot" || fail "not the own ground for a cut-off picture: $(ground_kinds "$shot")"
[ "$(wc -l <"$pictures/log")" -eq 1 ] && grep -q "$pictures/cut.jpg" "$pictures/log" ||
    fail "not one line naming the cut-off picture: $(cat "$pictures/log")"
echo "cut-off picture: own ground; $(cat "$pictures/log")"

# A folder holding the cut picture and the good one: the good one is always the one flown.
fly_and_look --picture "$pictures"
read -r purple bars < <(ground_kinds "$shot")
[ "$purple" -ge 8 ] || fail "the folder's picture is not on the ground: $purple $bars"
echo "--picture FOLDER: $purple of 15 ground samples purple"
rm -rf "$pictures"
