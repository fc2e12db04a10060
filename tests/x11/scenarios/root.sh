# "--root" outside xscreensaver, on a bare X server. First with a slow image helper put first on
# PATH (a script that only sleeps): SIGTERM one second after the start ends the hack within a
# second, the helper with it, and no picture is left on disk. Then with xscreensaver's own
# helper: the flight is drawn on the root window itself (no window of the hack's appears), with
# the frame rate in the bottom left corner for "--fps"; SIGTERM ends it, and the root window's
# own picture is back.
start_xvfb 1024x768
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" || true
private_runtime

helpers=$(mktemp -d)
cat >"$helpers/xscreensaver-getimage" <<'HELPER'
#!/bin/sh
echo $$ >"$(dirname "$0")/pid"
exec sleep 60
HELPER
chmod +x "$helpers/xscreensaver-getimage"
PATH="$helpers:$PATH" start_bg "$ALTOSTRAT" --root
program=$LAST_PID
helper_started() { [ -s "$helpers/pid" ]; }
poll 10 helper_started || fail "the slow helper was not started"
helper=$(cat "$helpers/pid")
sleep 1  # the stop comes one second after the start, as xscreensaver's often does
started=$(date +%s.%N)
kill -TERM "$program"
wait_exit "$program" 5
ended=$(date +%s.%N)
took=$(awk -v a="$started" -v b="$ended" 'BEGIN {printf "%.2f", b - a}')
echo "with the slow helper at work, the hack ended $took s after SIGTERM (exit code $EXIT_CODE)"
at_least 1 "$took" || fail "the hack took $took s to end"
! running "$helper" || fail "the helper still runs"
[ "$(capture_folders)" -eq 0 ] || fail "a picture is left behind: $(find "$XDG_RUNTIME_DIR")"
rm -rf "$helpers"

children_before=$(xwininfo -root -children | grep -c '^ *0x' || true)
start_bg "$ALTOSTRAT" --root --fps
program=$LAST_PID
shot="$SHOTS/x11-root.png"
# The corner box: black, with white figures in it.
fps_box() {
    convert "$shot" -crop 60x14+0+754 +repage -format '%[fx:mean]' info: >/dev/null || return 1
    local black white
    black=$(convert "$shot" -crop 60x14+0+754 +repage -fill white +opaque black -format '%[fx:int(w*h*(1-mean))]' info:)
    white=$(convert "$shot" -crop 60x14+0+754 +repage -fill black +opaque white -format '%[fx:int(w*h*mean)]' info:)
    [ "$black" -gt 200 ] && [ "$white" -gt 20 ]
}
on_root() {
    screenshot "$shot"
    flight_shown "$shot" 0 0 1023 767 && fps_box
}
poll 120 on_root || fail "no flight with its frame rate on the root window"
children=$(xwininfo -root -children | grep -c '^ *0x' || true)
echo "flight on the root window; the root's children: $children_before before, $children during"
[ "$children" -eq "$children_before" ] || fail "the hack made a window of its own"

kill -TERM "$program"
wait_exit "$program" 10
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE after SIGTERM"
[ "$(capture_folders)" -eq 0 ] || fail "the capture folder is left behind"
screenshot "$SHOTS/x11-root-after.png"
read -r r g b < <(pixel "$SHOTS/x11-root-after.png" 300 755)
[ "$r" -gt 170 ] && [ "$r" = "$g" ] || fail "the root window's picture is not back: $r $g $b"
