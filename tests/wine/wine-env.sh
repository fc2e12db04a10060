# Sourced by the Wine harness: the environment, the prefixes, and private X displays.
#
# Everything lives under ALTOSTRAT_WINE_HOME (by default build/wine-env in the source tree):
# the prefix, a HOME and a runtime folder of its own, so nothing of the user's is touched.
# Every prefix is a copy of one pristine template made once by wineboot in the tier's folder
# ALTOSTRAT_WINE_SHARED (the default home); a scenario gets a home of its own beside it
# (own_wine_home), so that scenarios on different displays can run at the same time.
# Programs started here are recorded by PID and stopped by stop_started, never by name.

_altostrat_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ALTOSTRAT_WINE_SHARED=${ALTOSTRAT_WINE_SHARED:-$_altostrat_root/build/wine-env}
ALTOSTRAT_WINE_HOME=${ALTOSTRAT_WINE_HOME:-$ALTOSTRAT_WINE_SHARED}
STARTED_PIDS=()

wine_env_setup() {
    local h=$ALTOSTRAT_WINE_HOME
    mkdir -p "$h/run"
    chmod 700 "$h/run"
    export WINEPREFIX=$h/prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
    export HOME=$h XDG_RUNTIME_DIR=$h/run
    export LANG=${ALTOSTRAT_LANG:-C.UTF-8} LC_ALL=${ALTOSTRAT_LANG:-C.UTF-8}
    _altostrat_locale "$ALTOSTRAT_WINE_SHARED" "$LANG"
    _altostrat_template
    if [ "$(cat "$h/prefix/.altostrat-ready" 2>/dev/null)" != "$_altostrat_stamp" ]; then
        (
            flock 9
            if [ "$(cat "$h/prefix/.altostrat-ready" 2>/dev/null)" != "$_altostrat_stamp" ]; then
                _altostrat_copy_prefix "$ALTOSTRAT_WINE_SHARED/template" "$h/prefix"
                echo "$_altostrat_stamp" >"$h/prefix/.altostrat-ready"
            fi
        ) 9>"$h/prefix.lock"
    fi
}

# own_wine_home NAME: the rest of this shell works in a home of its own, NAME beside the tier's
# shared folder, emptied first: its own HOME, runtime folder, files and a prefix copied afresh
# from the template by the next wine_env_setup. A Wine server is bound to one prefix and keeps
# its desktop on the display it started on, so a program on another display needs a prefix of
# its own; one left running by an earlier run of NAME is ended first.
own_wine_home() {
    ALTOSTRAT_WINE_HOME=$ALTOSTRAT_WINE_SHARED/homes/$1
    if [ -d "$ALTOSTRAT_WINE_HOME/prefix" ]; then
        WINEPREFIX=$ALTOSTRAT_WINE_HOME/prefix wineserver -k >/dev/null 2>&1 || true
    fi
    rm -rf "$ALTOSTRAT_WINE_HOME"
    mkdir -p "$ALTOSTRAT_WINE_HOME"
}

# scale_prefix DPI: the display scale (96 is 100 %, 144 is 150 %) of $WINEPREFIX, written into
# its registry file before any program of it runs: the Wine server reads it as it starts, so no
# restart is needed, and no server that may still be starting can refuse the change.
scale_prefix() {
    local value
    value=$(printf '"LogPixels"=dword:%08x' "$1")
    sed -i '/^\[Control Panel\\\\Desktop\] /a '"$value" "$WINEPREFIX/user.reg"
    grep -qx "$value" "$WINEPREFIX/user.reg" || fail "could not set LogPixels to $1"
}

# fresh_prefix DIR: makes DIR a Wine prefix no program has run in yet, for scenarios that must
# compare a prefix before and after (the shared prefix has seen every other test): a copy of the
# pristine template, much faster than a new wineboot. Exports nothing.
fresh_prefix() {
    _altostrat_template
    _altostrat_copy_prefix "$ALTOSTRAT_WINE_SHARED/template" "$1"
}

# _altostrat_template: the pristine prefix every other one is copied from, made once by wineboot
# -i with the font replacements and kept in the tier's folder. It is made again when Wine is
# another version (its stamp), since Wine would otherwise update each copy at its first start.
_altostrat_template() {
    local s=$ALTOSTRAT_WINE_SHARED template=$ALTOSTRAT_WINE_SHARED/template
    _altostrat_stamp=${_altostrat_stamp:-$(wine --version 2>/dev/null)}
    mkdir -p "$s"
    [ "$(cat "$template/.altostrat-ready" 2>/dev/null)" = "$_altostrat_stamp" ] && return 0
    (
        flock 9
        if [ "$(cat "$template/.altostrat-ready" 2>/dev/null)" != "$_altostrat_stamp" ]; then
            rm -rf "$template"
            HOME=$s WINEPREFIX=$template wine wineboot -i >/dev/null 2>&1
            WINEPREFIX=$template wineserver -w
            HOME=$s WINEPREFIX=$template _altostrat_register_fonts "$s"
            echo "$_altostrat_stamp" >"$template/.altostrat-ready"
        fi
    ) 9>"$s/template.lock"
}

# _altostrat_copy_prefix FROM TO: TO becomes a prefix of its own with FROM's content. A full copy
# is about 700 MB and takes one to two seconds of a processor per prefix; nearly all of it is
# Wine's program images and code page tables, which Wine only maps and reads (it rewrites them
# only to update a prefix to another Wine version, and the template's stamp prevents that). Those
# are hard links to the template's files; everything else (the registry, the ini files, the
# user's folders) is copied, so that whatever a program writes stays in its own prefix. The
# user's Desktop, Documents and the like, links to the HOME the template was made with, lead to
# the folder that holds TO instead (a prefix's HOME, as wine_env_setup lays it out).
_altostrat_copy_prefix() {
    local from=$1 to=$2
    rm -rf "$to"
    cp -al "$from" "$to"
    rm -f "$to/.altostrat-ready"
    (
        cd "$from" &&
            find . -type f -not -regex '.*\.\(dll\|exe\|nls\|sys\|drv\|ocx\|cpl\|acm\|tlb\|ax\|com\)' \
                -not -name .altostrat-ready -print0 |
            xargs -0 -r cp -p --parents --remove-destination -t "$to"
    )
    find "$to/drive_c/users" -type l -lname "$ALTOSTRAT_WINE_SHARED" \
        -exec ln -sfn "$(dirname "$to")" {} \;
}

# _altostrat_locale HOME LOCALE: the UTF-8 locales Wine's user interface languages are tested
# under: ja_JP.UTF-8 (Japanese, ANSI code page 932) and en_US.UTF-8 (English), and LOCALE. When
# the system lacks one, all of them are generated once under HOME/locale and used through
# LOCPATH, which hides the system's own locales: a scenario may switch from one to the other.
_altostrat_locale() {
    local h=$1 name base missing=0
    local names=(ja_JP.UTF-8 en_US.UTF-8)
    case $2 in C.UTF-8 | C.utf8 | C | POSIX | ja_JP.UTF-8 | en_US.UTF-8) ;; *) names+=("$2") ;; esac
    for name in "${names[@]}"; do
        locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || missing=1
    done
    [ "$missing" = 1 ] || return 0
    mkdir -p "$h/locale"
    (
        flock 9
        for name in "${names[@]}"; do
            base=${name%%.*}
            [ -f "$h/locale/$name/LC_CTYPE" ] ||
                localedef -i "$base" -f UTF-8 "$h/locale/$name" >/dev/null 2>&1 || true
        done
    ) 9>"$h/locale.lock"
    for name in "${names[@]}"; do
        [ -f "$h/locale/$name/LC_CTYPE" ] || {
            echo "could not generate the locale $name" >&2
            return 1
        }
    done
    export LOCPATH=$h/locale
}

# Japanese GDI text needs the IPA fonts standing in for the Windows ones.
_altostrat_register_fonts() {
    local h=$1
    cat >"$h/jpfonts.utf8.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"="pulse"
REG
    (printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$h/jpfonts.utf8.reg") >"$h/jpfonts.reg"
    wine regedit /S "$h/jpfonts.reg" >/dev/null 2>&1
    wineserver -w
}

# start_xvfb WIDTHxHEIGHT: a private X server on a free display; exports DISPLAY.
start_xvfb() {
    _start_x_server 90 190 Xvfb -screen 0 "${1}x24" +extension GLX +extension RANDR \
        -nolisten tcp -noreset || {
        echo "could not start Xvfb" >&2
        return 1
    }
}

# start_two_monitors: two monitors side by side as Windows sees them, a 1024 x 768 primary and
# an 800 x 600 monitor to its right (a virtual screen of 1824 x 768). Xvfb alone cannot do it
# (its Xinerama heads all start at the origin), so a nested Xephyr with one screen a monitor
# runs inside a private Xvfb; exports DISPLAY as Xephyr's.
start_two_monitors() {
    start_xvfb 2600x1000 || return 1
    _start_x_server 191 290 env DISPLAY="$DISPLAY" Xephyr -screen 1024x768 -screen 800x600 \
        +xinerama -extension RANDR +extension GLX -nolisten tcp -noreset || {
        echo "could not start Xephyr" >&2
        return 1
    }
}

# _start_x_server FIRST LAST COMMAND...: runs the X server COMMAND with the first free display
# number from FIRST to LAST added as its last argument, and waits until it answers; exports
# DISPLAY. Its PID is recorded to be stopped with the rest. Scenarios run side by side: a number
# is tried only under a lock of its own (/tmp/.altostrat-display-N.lock), held until the server
# has made its lock file or given up, and a server counts only when that lock file names it, so
# two scenarios never take one display.
_start_x_server() {
    local first=$1 last=$2 n pid i lock
    shift 2
    for n in $(seq "$first" "$last"); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        exec {lock}>"/tmp/.altostrat-display-$n.lock"
        if ! flock -n "$lock"; then
            exec {lock}>&-
            continue
        fi
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then
            exec {lock}>&-
            continue
        fi
        "$@" ":$n" >/dev/null 2>&1 {lock}>&- &
        pid=$!
        STARTED_PIDS+=("$pid")
        for i in $(seq 1 400); do
            if [ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$n-lock")" = "$pid" ] &&
                DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                exec {lock}>&-
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        exec {lock}>&-
    done
    return 1
}

# start_bg COMMAND...: runs a command in the background and records its PID in LAST_PID.
start_bg() {
    "$@" &
    LAST_PID=$!
    STARTED_PIDS+=("$LAST_PID")
}

# Stops what this shell started, newest first, then the prefix's Wine server.
stop_started() {
    local i pid
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    for ((i = ${#STARTED_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${STARTED_PIDS[$i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${STARTED_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    STARTED_PIDS=()
}

# poll SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds or the time is up.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# press_key KEY: holds the key for a moment. The renderer reads Escape from its key state after
# emptying the queue, so a press and release handled in the same pass would go unseen.
press_key() {
    xdotool keydown "$1"
    sleep 0.3
    xdotool keyup "$1"
}

# start_sound_server: a private PulseAudio server whose only output is a pipe, so a recording of
# it holds exactly what was played, silence included. Wine's programs reach it through
# PULSE_SERVER (the prefix's audio driver is "pulse"); it is stopped by PID with the rest.
start_sound_server() {
    SOUND_DIR=$(mktemp -d "$ALTOSTRAT_WINE_HOME/run/sound.XXXXXX")
    cat >"$SOUND_DIR/pulse.pa" <<PA
load-module module-native-protocol-unix socket=$SOUND_DIR/pulse.sock auth-anonymous=1
load-module module-pipe-sink sink_name=cap file=$SOUND_DIR/cap.fifo format=s16le rate=44100 channels=2 use_system_clock_for_timing=yes
set-default-sink cap
PA
    start_bg pulseaudio -n -F "$SOUND_DIR/pulse.pa" --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no --log-target=file:"$SOUND_DIR/pulse.log"
    export PULSE_SERVER=unix:$SOUND_DIR/pulse.sock
    poll 20 _sound_server_up || {
        echo "could not start the sound server" >&2
        return 1
    }
}

_sound_server_up() {
    pactl info >/dev/null 2>&1
}

# record_sound FILE: records the sound server's output into FILE (raw 16-bit stereo at 44.1 kHz)
# until stop_recording. The pipe hands over up to 0.4 s of older sound first.
record_sound() {
    # shellcheck disable=SC2016 # the inner shell expands its own arguments
    start_bg bash -c 'exec cat "$0" >"$1"' "$SOUND_DIR/cap.fifo" "$1"
    RECORDING_PID=$LAST_PID
}

stop_recording() {
    kill "$RECORDING_PID" 2>/dev/null || true
    wait "$RECORDING_PID" 2>/dev/null || true
}

# sound_seconds FILE: how long the recording is so far.
sound_seconds() {
    local bytes
    bytes=$(stat -c %s "$1")
    echo "$bytes" | awk '{printf "%.2f\n", $1 / 176400}'
}

# sound_rms FILE [FROM [LENGTH]]: the RMS amplitude (0 to 1) of the recording from FROM seconds,
# LENGTH seconds long (to its end when not given); a sine at full scale gives about 0.7.
sound_rms() {
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n trim "${2:-0}" ${3:+"$3"} stat 2>&1 |
        awk '/^RMS +amplitude/ {print $3; found=1} END {if (!found) print 0}'
}

# sounding_seconds FILE [FROM]: how many seconds of the recording from FROM hold sound: every
# stretch quieter than 1% of full scale and longer than 0.1 s is left out.
sounding_seconds() {
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n trim "${2:-0}" \
        silence -l 1 0.1 1% -1 0.1 1% stat 2>&1 |
        awk '/^Length \(seconds\)/ {print $3; found=1} END {if (!found) print 0}'
}

# at_least A B: the decimal number A is at least B.
at_least() {
    awk -v a="$1" -v b="$2" 'BEGIN {exit !(a + 0 >= b + 0)}'
}
