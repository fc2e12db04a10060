#!/usr/bin/env bash
# altostrat-tool settings: the seven lines for settings files of known content (the four music
# lines, then the three display lines, which are at their defaults unless a case names them). The
# music files are named like Windows paths ("C:\Music\a.mp3") inside a scratch folder that is
# the working directory, so the existence test and the folder split behave natively as on Windows.
set -euo pipefail
tool=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"

kind=$'BGM\x8b\xe6\x95\xaa'
repeat=$'BGM\xd8\xcb\xdf\xb0\xc4'
file=$'BGM\xcc\xa7\xb2\xd9'
screen=$'\x89\xe6\x96\xca'  # 画面
aircraft=$'\x8b\x40\x91\xcc'  # 機体
sky=$'\x8b\xf3'  # 空
displays='\nScreenChoice=0\nAircraftShown=1\nSkyFollowsClock=0'
failures=0

# check NAME EXPECTED CONTENT...: writes the lines under [Section] (no file without lines). An
# EXPECTED without the display lines expects them at their defaults.
check() {
    local name=$1 expected=$2
    [[ $expected == *ScreenChoice=* ]] || expected+=$displays
    shift 2
    rm -f a.ini
    if [ $# -gt 0 ]; then
        { printf '[Section]\r\n'; printf '%s\r\n' "$@"; } >a.ini
    fi
    local actual
    actual=$("$tool" settings a.ini 'C:\Saver')
    if [ "$actual" != "$(printf '%b' "$expected")" ]; then
        echo "FAIL $name:"; echo "$actual"; failures=$((failures + 1))
    fi
}

touch 'C:\Music\a.mp3' 'C:\a.wav'
touch "$(printf 'D:\\\xe9\x9f\xb3\xe6\xa5\xbd\\\xe3\x82\xbd.mp3')"  # D:\音楽\ソ.mp3 in UTF-8

check "no file" 'BgmKind=0\nBgmRepeat=0\nBgmFile=\nBgmFolder=C:\\Saver'
check "missing music file" 'BgmKind=0\nBgmRepeat=0\nBgmFile=\nBgmFolder=C:\\Saver' \
    "$kind= 2" "$file=C:\\Music\\gone.mp3"
check "audio CD without file" 'BgmKind=1\nBgmRepeat=0\nBgmFile=\nBgmFolder=C:\\Saver' "$kind=1"
check "existing file" 'BgmKind=2\nBgmRepeat=5\nBgmFile=C:\\Music\\a.mp3\nBgmFolder=C:\\Music' \
    "$kind= 2" "$repeat= 5" "$file=C:\\Music\\a.mp3"
check "file in a drive root" 'BgmKind=2\nBgmRepeat=0\nBgmFile=C:\\a.wav\nBgmFolder=C:' \
    "$kind=2" "$file=C:\\a.wav"
check "bad repeat numbers" 'BgmKind=0\nBgmRepeat=0\nBgmFile=\nBgmFolder=C:\\Saver' \
    "$repeat=40000"
check "not a number" 'BgmKind=0\nBgmRepeat=0\nBgmFile=\nBgmFolder=C:\\Saver' "$repeat=abc"
check "rounded down" 'BgmKind=2\nBgmRepeat=0\nBgmFile=C:\\a.wav\nBgmFolder=C:' \
    "$kind=2.9" "$file=C:\\a.wav"
check "negative half" 'BgmKind=-1\nBgmRepeat=0\nBgmFile=\nBgmFolder=C:\\Saver' "$kind=-0.5"
check "Shift-JIS path" \
    'BgmKind=2\nBgmRepeat=0\nBgmFile=D:\\\xe9\x9f\xb3\xe6\xa5\xbd\\\xe3\x82\xbd.mp3\nBgmFolder=D:\\\xe9\x9f\xb3\xe6\xa5\xbd' \
    "$kind=2" "$(printf '%s=D:\\\x89\xb9\x8a\x79\\\x83\x5c.mp3' "$file")"

check "display keys" \
    'BgmKind=0\nBgmRepeat=0\nBgmFile=\nBgmFolder=C:\\Saver\nScreenChoice=1\nAircraftShown=0\nSkyFollowsClock=1' \
    "$screen= 1" "$aircraft= 0" "$sky= 1"
check "display keys out of range" \
    'BgmKind=0\nBgmRepeat=0\nBgmFile=\nBgmFolder=C:\\Saver\nScreenChoice=0\nAircraftShown=1\nSkyFollowsClock=0' \
    "$screen= 3" "$aircraft=-1" "$sky= 2"

head -c 4096 /dev/urandom >a.ini
"$tool" settings a.ini 'C:\Saver' >/dev/null || { echo "FAIL: junk file"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "all settings outputs as expected"
exit "$failures"
