# The host in the user's display language. On an English system (LANG=en_US.UTF-8, Wine's UI
# language 0409) the settings dialog is titled "<Altostrat>", its rows and buttons speak English
# and no text of it holds a Japanese letter; every row and button lies inside the client area
# and no two overlap, the dialog having grown where an English caption needed it; the message of
# a settings file that cannot be written (a folder stands in its place) is English too. On a
# Japanese system (ja_JP.UTF-8) the same dialog and message show the design's texts, at the
# design's client size of 496 x 396.
start_xvfb 1024x768
warm_wine
host_in_folder
mkdir -p "$HOST_INI"  # a folder where the settings file would be: "設定" cannot write it

# japanese: a line holds a Japanese letter (kana, kanji, full- or half-width forms).
japanese() {
    grep -qP '[\x{3000}-\x{30FF}\x{4E00}-\x{9FFF}\x{FF00}-\x{FFEF}]'
}

# check_language LANG TITLE ROW BUTTON MESSAGE: opens the dialog under LANG, checks its title,
# that it has a row ROW and a button BUTTON, its layout, and the message "設定" gives.
check_language() {
    local lang=$1 title=$2 texts places size
    LANG=$lang LC_ALL=$lang start_program "$HOST_COPY" /c
    local pid=$PROGRAM_PID
    poll 60 window_shown AltostratSettings "$title" || fail "$lang: no visible dialog $title"
    texts=$(probe texts AltostratSettings "$title")
    places=$(probe places AltostratSettings "$title")
    size=$(window_info AltostratSettings "$title")
    echo "$lang: $size"
    echo "$places"
    grep -qxF "$3" <<<"$texts" || fail "$lang: no row \"$3\": $(tr '\n' '|' <<<"$texts")"
    grep -qxF "$4" <<<"$texts" || fail "$lang: no button \"$4\": $(tr '\n' '|' <<<"$texts")"
    read -r w h < <(client_size "$size")
    local bad
    bad=$(overlapping_places "$w" "$h" <<<"$places")
    [ -z "$bad" ] || fail "$lang: controls overlap or stand outside ${w}x$h: $bad"
    probe post AltostratSettings "$title" 0x0111 102 0 >/dev/null || fail "$lang: no Save"
    poll 30 window_exists "#32770" "$title" || fail "$lang: no message of an unwritable file"
    message=$(probe texts "#32770" "$title")
    echo "$message"
    grep -qF "$5" <<<"$message" || fail "$lang: the message is not \"$5\": $message"
    probe post "#32770" "$title" 0x0010 0 0 >/dev/null
    poll 30 window_gone "#32770" "$title" || fail "$lang: the message stayed"
    probe post AltostratSettings "$title" 0x0010 0 0 >/dev/null
    wait_exit "$pid" 30
    TEXTS=$texts$'\n'$message
    SIZE=$w
}

check_language en_US.UTF-8 "<Altostrat>" "Show the clock" "Save" "The settings could not be saved."
# The settings file's path is the one Japanese the English side keeps: a file's name.
! grep -v '^[A-Z]:\\' <<<"$TEXTS" | japanese || fail "Japanese in the English dialog: $(tr "\n" "|" <<<"$TEXTS")"
[ "$SIZE" -ge 496 ] || fail "the English dialog is narrower than the design's: $SIZE"

check_language ja_JP.UTF-8 "<アルトストラト>" "時計を表示する" "設定" "設定を保存できませんでした。"
[ "$SIZE" = 496 ] || fail "the Japanese dialog is not the design's 496 pixels wide: $SIZE"
