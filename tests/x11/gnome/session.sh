# A GNOME session for a scenario: Debian's gnome-shell, headless on Wayland with virtual monitors,
# XWayland with it, for a system user of the scenarios' own (gnome-shell will not run as root),
# under dbus-run-session with an empty second bus as its system bus (inner.sh). Sourced after
# tests/x11/x11-lib.sh; its processes are stopped with the rest, one by one, the shell last.
# The session has no gnome-session and no settings daemons: no lock, no blanking of its own.

# gnome_folder: the session's folder, $gnome, the user's own (made if missing); what the scenario
# puts there for the session (a wallpaper) is given to the user too, and the folder goes with
# the session's end, whenever the scenario ends.
gnome_folder() {
    GNOME_USER=altostrat-gnome
    id -u "$GNOME_USER" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
            "$GNOME_USER"
    gnome=$(mktemp -d)
    chmod 755 "$gnome"
    trap 'stop_started; gnome_session_end' EXIT
}

# gnome_session SETTINGS SIZE...: starts the session with the settings file's "SCHEMA KEY VALUE"
# lines set first and a monitor of each SIZE, and waits until the shell and XWayland answer and
# the overview it starts in is closed; false, with the shell's last words on standard error, when
# it does not come up. Sets SHELL_PID, and for gnome_env: SESSION_BUS, X_DISPLAY, X_AUTHORITY.
gnome_session() {
    local settings=$1 here
    shift
    here=$ALTOSTRAT_SOURCE_DIR/tests/x11/gnome
    mkdir -p "$gnome/run" "$gnome/home/.config" "$gnome/home/.local/share/gnome-shell"
    chmod 700 "$gnome/run"
    # The first-run dialogs stay away.
    touch "$gnome/home/.local/share/gnome-shell/lock-warning-shown"
    cp "$settings" "$gnome/settings"
    echo "org.gnome.shell welcome-dialog-last-shown-version '999'" >>"$gnome/settings"
    cp "$here/inner.sh" "$here/gnome_bus.py" "$gnome/"
    chown -R "$GNOME_USER" "$gnome"
    runuser -u "$GNOME_USER" -- env -i HOME="$gnome/home" PATH=/usr/bin:/bin \
        XDG_RUNTIME_DIR="$gnome/run" XDG_CONFIG_HOME="$gnome/home/.config" \
        XDG_DATA_HOME="$gnome/home/.local/share" XDG_SESSION_TYPE=wayland \
        XDG_CURRENT_DESKTOP=GNOME dbus-run-session -- "$gnome/inner.sh" "$gnome/settings" "$@" \
        >"$gnome/session.log" 2>&1 &
    GNOME_SESSION_PID=$!
    poll 30 test -s "$gnome/run/session-bus" || {
        echo "no session bus" >&2
        return 1
    }
    SESSION_BUS=$(cat "$gnome/run/session-bus")
    poll 60 _gnome_shell_up || {
        echo "gnome-shell did not start: $(_gnome_log)" >&2
        return 1
    }
    poll 60 _gnome_x_up || {
        echo "no XWayland: $(_gnome_log)" >&2
        return 1
    }
    gnome_input
    # The session starts in the overview.
    gnome_key 0xff1b
    poll 20 _gnome_overview_closed || fail "the overview stays open"
}

_gnome_overview_closed() {
    gnome_gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell \
        -m org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive 2>/dev/null |
        grep -q false
}

# Ends the session after everything else the scenario started: the system bus, then the shell,
# whose end ends dbus-run-session, which ends the session bus, whose end ends the services it
# started; then whatever of the user's is left, each by its process ID.
gnome_session_end() {
    local pid
    if [ -z "${GNOME_SESSION_PID:-}" ]; then
        rm -rf "$gnome"
        return 0
    fi
    [ -s "$gnome/run/system-bus.pid" ] && kill "$(cat "$gnome/run/system-bus.pid")" 2>/dev/null
    [ -n "${SHELL_PID:-}" ] && kill "$SHELL_PID" 2>/dev/null
    poll 20 eval '! running '"$GNOME_SESSION_PID" >/dev/null 2>&1 || kill "$GNOME_SESSION_PID"
    wait "$GNOME_SESSION_PID" 2>/dev/null || true
    for pid in $(pgrep -u "$GNOME_USER"); do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$gnome"
    GNOME_SESSION_PID=
}

_gnome_log() {
    tail -5 "$gnome/run/shell.log" 2>/dev/null
}

_gnome_shell_up() {
    SHELL_PID=$(pgrep -u "$GNOME_USER" -x gnome-shell | head -1)
    [ -n "$SHELL_PID" ] && grep -q "GNOME Shell started" "$gnome/run/shell.log"
}

# XWayland's display and its cookie are on its command line.
_gnome_x_up() {
    local xwayland words
    xwayland=$(pgrep -P "$SHELL_PID" -x Xwayland | head -1)
    [ -n "$xwayland" ] || return 1
    mapfile -d '' words <"/proc/$xwayland/cmdline"
    X_DISPLAY= X_AUTHORITY=
    for i in "${!words[@]}"; do
        [[ ${words[$i]} =~ ^:[0-9]+$ ]] && X_DISPLAY=${words[$i]}
        [ "${words[$i]}" = -auth ] && X_AUTHORITY=${words[$((i + 1))]}
    done
    _gnome_words=(HOME="$gnome/home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$gnome/run"
        XDG_CONFIG_HOME="$gnome/home/.config" XDG_DATA_HOME="$gnome/home/.local/share"
        XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=wayland-0
        DBUS_SESSION_BUS_ADDRESS="$SESSION_BUS" DISPLAY="$X_DISPLAY" XAUTHORITY="$X_AUTHORITY")
    [ -n "$X_DISPLAY" ] && gnome_env xdpyinfo >/dev/null 2>&1
}

# gnome_env COMMAND...: COMMAND as the session's user, in the session, as a program the user
# started there would be.
gnome_env() {
    runuser -u "$GNOME_USER" -- env -i "${_gnome_words[@]}" "$@"
}

# start_in_gnome COMMAND...: the same in the background, recorded; LAST_PID is runuser's, whose
# child is COMMAND and whose exit code is COMMAND's.
start_in_gnome() {
    start_bg runuser -u "$GNOME_USER" -- env -i "${_gnome_words[@]}" "$@"
}

# gnome_shot FILE: the session's picture (a PNG of every monitor, as the shell composes them).
gnome_shot() {
    gnome_env python3 "$gnome/gnome_bus.py" shot "$gnome/taken.png" >/dev/null 2>&1 &&
        mv "$gnome/taken.png" "$1"
}

# gnome_input: a remote-desktop session for input that GNOME counts as the user's, fed by
# gnome_key KEYSYM and gnome_move through file descriptor 4. Made once: while it is, the top bar
# shows GNOME's remote-access icon.
gnome_input() {
    mkfifo "$gnome/input"
    chown "$GNOME_USER" "$gnome/input"
    exec 4<>"$gnome/input"
    start_in_gnome python3 "$gnome/gnome_bus.py" input "$gnome/input" >"$gnome/input.out" 4<&-
    poll 20 grep -q ready "$gnome/input.out" || fail "no remote-desktop session"
}
gnome_key() {
    echo "key $1" >&4
}
gnome_move() {
    echo move >&4
}

# gnome_gdbus ARGUMENTS...: gdbus on the session bus.
gnome_gdbus() {
    gnome_env gdbus "$@"
}
