#!/usr/bin/env bash
# Run inside dbus-run-session as the session's user: an empty second bus as the system bus
# (without one gnome-shell stops at logind; its process ID goes to system-bus.pid for the
# scenario to stop), the session bus's address written for the scenario's programs, the settings
# ("SCHEMA KEY VALUE" lines in $1) set before the shell reads them, then the shell, headless,
# with a virtual monitor for each further argument.
set -euo pipefail
settings=$1
shift
dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/system-bus" &
echo $! >"$XDG_RUNTIME_DIR/system-bus.pid"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/system-bus"
echo "$DBUS_SESSION_BUS_ADDRESS" >"$XDG_RUNTIME_DIR/session-bus.tmp"
mv "$XDG_RUNTIME_DIR/session-bus.tmp" "$XDG_RUNTIME_DIR/session-bus"
while read -r schema key value; do
    gsettings set "$schema" "$key" "$value"
done <"$settings"
monitors=()
for size in "$@"; do
    monitors+=(--virtual-monitor "$size")
done
exec gnome-shell --headless --wayland "${monitors[@]}" 2>"$XDG_RUNTIME_DIR/shell.log"
