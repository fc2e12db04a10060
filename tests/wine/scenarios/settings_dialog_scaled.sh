# The settings dialog on a display scaled to 150 % (144 logical pixels per inch): its client area
# is 1.5 times the 100 % one (496 x 396, which settings_dialog.sh checks), 744 x 594, and the
# panel behind the music and 画面 sections is one smooth gradient from light at the left to
# darker at the right. A picture left at its 100 % size shows as a seam: the strip (556 pixels)
# would end two thirds across the 704-pixel panel and start light again. The check averages
# each pixel column of two bands of the panel that hold no control (under the music file row,
# and under the sky box, the last row) and wants no step between neighbouring columns larger than the
# strip's mottle allows, and the right end darker than the left. Then, as if moved to monitors
# of other scales (WM_DPICHANGED with the rectangle Windows would suggest, which Wine never sends
# by itself), the dialog lays itself out at 100 % (496 x 396) and back at 150 %, where it looks
# as it did when it opened at 150 %: nearly every pixel the same. The scaling is set in a prefix
# of the scenario's own, so no other scenario runs at 150 %. On an English system the dialog,
# grown for its English captions, keeps every row and button inside its client area and apart
# from each other at 150 % too.
start_xvfb 1024x768
fresh_prefix "$ALTOSTRAT_WINE_HOME/scaled-prefix"
export WINEPREFIX=$ALTOSTRAT_WINE_HOME/scaled-prefix
scale_prefix 144
warm_wine
host_in_folder
TITLE="<アルトストラト>"
SHOTS=$ALTOSTRAT_WINE_HOME/settings-dialog-scaled
mkdir -p "$SHOTS"

dialog_shown() {
    window_shown - "$TITLE"
}

# column_steps FILE X Y W H: the column means of the box (grey levels, 0 to 255) as
# "LARGEST_STEP FIRST LAST", the step being the largest difference between neighbouring columns.
column_steps() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -scale "$4x1!" -depth 8 \
        -compress none pgm:- | tr -s ' \n' '\n\n' | awk '
            NR <= 4 { next }
            { v = $1; if (NR > 5) { d = v - prev; if (d < 0) d = -d; if (d > m) m = d }
              else first = v; prev = v }
            END { print m + 0, first, prev }'
}

# The measure itself sees a seam: a gradient that starts again light two thirds across.
convert -define gradient:direction=east -size 700x10 gradient:'#dfd8d0-#b0afaf' \
    -crop 460x10+0+0 +repage \( -define gradient:direction=east -size 700x10 \
    gradient:'#dfd8d0-#b0afaf' -crop 240x10+0+0 +repage \) +append -depth 8 "$SHOTS/seam.png"
read -r step _ _ <<<"$(column_steps "$SHOTS/seam.png" 0 0 700 10)"
[ "$step" -ge 20 ] || fail "the seam measure does not see a seam (step $step)"

rm -f "$HOST_INI"
xdotool mousemove 1000 750
start_program "$HOST_COPY" /c
HOST_PID=$PROGRAM_PID
poll 60 dialog_shown || fail "no visible window $TITLE"
info=$(window_info - "$TITLE")
[ "$info" = "client=744x594 style=other visible=1" ] ||
    fail "not 1.5 times the 100 % client area (496x396): $info"
read -r OX OY <<<"$(probe origin "$TITLE")"
shown() {
    screenshot "$SHOTS/dialog.png"
    # The panel's picture is drawn once the bottom-left of the panel is no longer the dark
    # background gradient.
    read -r r _ _ < <(pixel "$SHOTS/dialog.png" $((OX + 30)) $((OY + 430)))
    [ "$r" -gt 150 ]
}
poll 30 shown || fail "the panel was not drawn"
convert "$SHOTS/dialog.png" -crop "744x594+$OX+$OY" +repage "$SHOTS/client.png"

# The panel spans x 18 to 722; the bands: y 252 to 275 (between the file row and the 画面
# heading) and y 478 to 494 (under the sky box, the last row). Columns 20 to 719.
for band in "252 24" "478 17"; do
    read -r y h <<<"$band"
    read -r step first last <<<"$(column_steps "$SHOTS/client.png" 20 "$y" 700 "$h")"
    [ "$step" -le 6 ] || fail "a seam in the panel at y $y: a step of $step between columns"
    [ $((first - last)) -ge 20 ] ||
        fail "the panel at y $y is no light-to-dark gradient (left $first, right $last)"
done

# Moved to a 100 % monitor and back.
DPI_CHANGE="$BUILD/host/tests/altostrat-dpi-change.exe"
wine "$DPI_CHANGE" "$TITLE" 144 96 || fail "no WM_DPICHANGED to 96 sent"
info=$(window_info - "$TITLE")
[ "$info" = "client=496x396 style=other visible=1" ] || fail "not laid out at 100 %: $info"
wine "$DPI_CHANGE" "$TITLE" 96 144 || fail "no WM_DPICHANGED to 144 sent"
info=$(window_info - "$TITLE")
[ "$info" = "client=744x594 style=other visible=1" ] || fail "not laid out at 150 % again: $info"
read -r OX OY <<<"$(probe origin "$TITLE")"
again() {
    screenshot "$SHOTS/again.png"
    convert "$SHOTS/again.png" -crop "744x594+$OX+$OY" +repage "$SHOTS/client-again.png"
    differing=$(compare -metric AE -fuzz 8% "$SHOTS/client.png" "$SHOTS/client-again.png" \
        null: 2>&1 || true)
    [ "${differing%%.*}" -le 4000 ]  # of 419616 pixels: 1 %
}
poll 20 again || fail "laid out again at 150 %, $differing pixels differ from the first"

# Without a window manager the keyboard follows the pointer: rest it on the dialog first.
xdotool mousemove $((OX + 700)) $((OY + 8)) key Escape
wait_exit "$HOST_PID" 30
[ ! -f "$HOST_INI" ] || fail "Escape wrote the settings file"

# English at 150 %: captions measured at this scale, the dialog grown by as much; then moved to a
# monitor of 100 %.
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 start_program "$HOST_COPY" /c
HOST_PID=$PROGRAM_PID
poll 60 window_shown AltostratSettings "<Altostrat>" || fail "no English dialog at 150 %"
read -r w h < <(client_size "$(window_info AltostratSettings "<Altostrat>")")
[ "$w" -ge 744 ] && [ "$h" = 594 ] || fail "the English dialog at 150 %: ${w}x$h"
places=$(probe places AltostratSettings "<Altostrat>")
bad=$(overlapping_places "$w" "$h" <<<"$places")
[ -z "$bad" ] || fail "at 150 %, controls overlap or stand outside ${w}x$h: $bad"
# Moved to a 100 % monitor: laid out again in the captions measured there, and as whole.
wine "$DPI_CHANGE" "<Altostrat>" 144 96 || fail "no WM_DPICHANGED to 96 sent to the English dialog"
read -r w h < <(client_size "$(window_info AltostratSettings "<Altostrat>")")
[ "$w" -ge 496 ] && [ "$h" = 396 ] || fail "the English dialog at 100 %: ${w}x$h"
bad=$(overlapping_places "$w" "$h" <<<"$(probe places AltostratSettings "<Altostrat>")")
[ -z "$bad" ] || fail "at 100 %, controls overlap or stand outside ${w}x$h: $bad"
probe post AltostratSettings "<Altostrat>" 0x0010 0 0 >/dev/null
wait_exit "$HOST_PID" 30
