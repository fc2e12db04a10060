# The ground of the flight where Windows starts the saver on a desktop of its own (named
# "Screen-saver", as for a password-protected saver), whose photograph is that desktop's plain
# background, never the user's windows. Each run starts the real host with /s on such a desktop
# over the sample desktop and reads the picture the renderer got (the run folder's Altostrat2.bmp,
# opened the moment it appears, as the renderer deletes it once read). Without a keeper: the
# wallpaper, a JPEG stretched over the screen as the registry's WallpaperStyle 2 says; with no
# wallpaper either: the built-in ground, the generated fields and woods; with 景色 = 1 and a PNG:
# that picture laid as "fill" lays it; with 景色 = 1 and a corrupt picture: the wallpaper again.
# Each run's account in %LOCALAPPDATA%\Altostrat\AltostratGround.txt names the source taken and
# why the ones before it were passed over: the picture that could not be read, the photograph of
# another desktop, no keeper's photograph, no wallpaper. A link planted where the account goes,
# or a second name of another file there, leaves that file as it was.
start_xvfb 1024x768
warm_wine
host_in_folder
cp "$RENDERER_EXE" "$HOST_DIR/"
find_temp_folder
find_report_file
rm -rf "$TEMP_DIR"/Altostrat-*
display -window root "$ALTOSTRAT_SOURCE_DIR/assets/sample-desktop.png" 2>/dev/null || true

# Four quarters of known colours: red, green over blue, yellow.
quarters() {
    convert -size "$1" xc:none \
        \( -size "$2" xc:'#d02020' \) -geometry +0+0 -composite \
        \( -size "$2" xc:'#20c020' \) -geometry "+${2%x*}+0" -composite \
        \( -size "$2" xc:'#2030d0' \) -geometry "+0+${2#*x}" -composite \
        \( -size "$2" xc:'#e0e020' \) -geometry "+${2%x*}+${2#*x}" -composite \
        -alpha off "$3"
}
wallpaper=$HOST_DIR/wallpaper-stretched  # no extension, as Windows keeps TranscodedWallpaper
quarters 320x240 160x120 "jpeg:$wallpaper"
own=$HOST_DIR/own.png
quarters 300x200 150x100 "$own"
corrupt=$HOST_DIR/corrupt.png
head -c 64 "$own" >"$corrupt"
head -c 4000 /dev/urandom >>"$corrupt"

set_wallpaper() {
    wine reg add 'HKCU\Control Panel\Desktop' /v Wallpaper /t REG_SZ /d "$1" /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v WallpaperStyle /t REG_SZ /d 2 /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v TileWallpaper /t REG_SZ /d 0 /f >/dev/null 2>&1
}
# settings [PICTURE]: the settings file, with 景色 = 1 and that picture when one is given
# (Shift-JIS keys: 景色 is 8C 69 90 46).
settings() {
    printf '[Section]\r\n' >"$HOST_INI"
    if [ -n "${1:-}" ]; then
        printf '\x8C\x69\x90\x46= 1\r\n\x8C\x69\x90\x46\xCC\xA7\xB2\xD9=%s\r\n' \
            "$(winepath -w "$1" 2>/dev/null | tr -d '\r')" >>"$HOST_INI"
    fi
}

# ground_of NAME: starts the host with /s on a desktop named Screen-saver, copies the picture the
# renderer got to $ALTOSTRAT_WINE_HOME/ground-NAME.bmp (GROUND), ends the renderer's process (the
# keyboard goes to the other desktop's window, not the flight's) and waits for the host's watch
# to end the run.
ground_of() {
    local desktop_fd
    GROUND=$ALTOSTRAT_WINE_HOME/ground-$1.bmp
    rm -f "$GROUND"
    start_program explorer /desktop=Screen-saver,1024x768 "$HOST_COPY" /s
    local explorer=$PROGRAM_PID
    open_run_desktop 60 || fail "$1: no desktop picture"
    desktop_fd=$DESKTOP_FD
    # Written whole once the glow, written last, is there.
    poll 60 test -s "$(dirname "$DESKTOP_FILE")/Altostrat3.bmp" || fail "$1: the pictures were not written"
    cp "/proc/$$/fd/$desktop_fd" "$GROUND"
    exec {desktop_fd}<&-
    local host renderer
    host=$(host_process) || fail "$1: no host process"
    renderer=$(program_pid 'アルトストラト.dll') || fail "$1: no renderer process"
    kill "$renderer"
    poll 30 eval '! running '"$host" || fail "$1: the host did not end after the renderer"
    [ -z "$(run_folders)" ] || fail "$1: the run's folder stayed: $(run_folders)"
    kill "$explorer" 2>/dev/null || true
    wait "$explorer" 2>/dev/null || true
    echo "$1: $(identify -format '%wx%h' "$GROUND")"
}

# near FILE X Y R G B: the pixel is that colour within a JPEG's error.
near() {
    local r g b
    read -r r g b < <(pixel "$1" "$2" "$3")
    [ $((r > $4 ? r - $4 : $4 - r)) -le 24 ] && [ $((g > $5 ? g - $5 : $5 - g)) -le 24 ] &&
        [ $((b > $6 ? b - $6 : $6 - b)) -le 24 ] ||
        fail "$(basename "$1") at $2,$3 is $r $g $b, not near $4 $5 $6"
}

# The wallpaper, stretched: each quarter covers a quarter of the 1024 x 768 screen.
expect_stretched_wallpaper() {
    [ "$(identify -format '%wx%h' "$GROUND")" = 1024x768 ] || fail "the wallpaper is not screen-sized"
    near "$GROUND" 20 20 208 32 32
    near "$GROUND" 1003 20 32 192 32
    near "$GROUND" 20 747 32 48 208
    near "$GROUND" 1003 747 224 224 32
    near "$GROUND" 490 370 208 32 32
    near "$GROUND" 534 398 224 224 32
}

set_wallpaper "$(winepath -w "$wallpaper" 2>/dev/null | tr -d '\r')"
settings
ground_of wallpaper
expect_stretched_wallpaper

# 景色 = 1 with a PNG of 300 x 200: filled, it is scaled by 3.84 to 1152 x 768 and 64 columns
# are cut off each side, so the quarters meet at the screen's middle.
settings "$own"
ground_of own-picture
[ "$(identify -format '%wx%h' "$GROUND")" = 1024x768 ] || fail "the own picture is not screen-sized"
near "$GROUND" 5 5 208 32 32
near "$GROUND" 1018 5 32 192 32
near "$GROUND" 5 762 32 48 208
near "$GROUND" 1018 762 224 224 32
near "$GROUND" 500 374 208 32 32
near "$GROUND" 524 394 224 224 32

# report_says LINE...: each line is one of the last run's account, in the order given.
report_says() {
    local report=$REPORT_FILE lines
    lines=$(sed -e '1s/^\xEF\xBB\xBF//' -e 's/\r$//' "$report") || fail "no account of the ground"
    local expected
    expected=$(printf '%s\n' "$@")
    [ "$lines" = "$expected" ] || fail "the account of the ground reads: $lines"
}

# A corrupt picture falls back to the desktop's sources: here the wallpaper.
settings "$corrupt"
ground_of corrupt-picture
expect_stretched_wallpaper
report_says "地面: 壁紙" \
    "使わなかったもの: 自分の画像 — 読める画像がありませんでした (壊れている、空、大きすぎる、フォルダーに画像がない)" \
    "使わなかったもの: 画面の写真 — スクリーンセーバーがあなたのデスクトップではない別のデスクトップで始まったため、画面を写せません" \
    "使わなかったもの: 常駐プログラムの写真 — 写真がありません (常駐プログラムが動いていないか、今回は撮っていません)"

# No wallpaper either: the built-in ground, exactly.
set_wallpaper ""
settings
ground_of built-in
[ "$(compare -metric AE "$GROUND" "$ALTOSTRAT_SOURCE_DIR/assets/ground.bmp" null: 2>&1)" = 0 ] ||
    fail "the ground is not the built-in ground"
report_says "地面: 組み込みの野原と森" \
    "使わなかったもの: 画面の写真 — スクリーンセーバーがあなたのデスクトップではない別のデスクトップで始まったため、画面を写せません" \
    "使わなかったもの: 常駐プログラムの写真 — 写真がありません (常駐プログラムが動いていないか、今回は撮っていません)" \
    "使わなかったもの: 壁紙 — 壁紙が設定されていません"

# Planted where the account goes: a link to a file of the user's elsewhere, then a second name
# (a hard link) of it. Neither run writes into that file, and the link stays a link.
victim=$ALTOSTRAT_WINE_HOME/victim.txt
echo "the user's own file" >"$victim"
rm -f "$REPORT_FILE"
ln -s "$victim" "$REPORT_FILE"
ground_of linked-report
[ "$(cat "$victim")" = "the user's own file" ] || fail "the account was written through a link"
[ -L "$REPORT_FILE" ] || fail "the planted link was replaced"
rm -f "$REPORT_FILE"
ln "$victim" "$REPORT_FILE"
ground_of second-name
[ "$(cat "$victim")" = "the user's own file" ] || fail "the account was written into a file of two names"
