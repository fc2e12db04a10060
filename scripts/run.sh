#!/usr/bin/env bash
# Builds what is missing and starts the screensaver under Wine.
# With DISPLAY set it runs on that display until you press Escape. Without one it starts a
# private 1024 x 768 X server showing a sample desktop, lets the flight run for a few
# seconds, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target altostrat_renderer

source tests/wine/wine-env.sh
source scripts/capture-files.sh
trap stop_started EXIT
renderer="$PWD/build/windows/renderer/アルトストラト.dll"

if [ -n "${DISPLAY:-}" ]; then
    wine_env_setup
    write_capture_files "$WINEPREFIX/drive_c/t_wisp"
    wine "$renderer"
    exit 0
fi

seconds=${ALTOSTRAT_RUN_SECONDS:-6}
start_xvfb 1024x768
wine_env_setup
# ImageMagick reports a failure after setting the root picture, so its status is not used.
display -window root assets/sample-desktop.png || true
write_capture_files "$WINEPREFIX/drive_c/t_wisp"
start_bg wine "$renderer"
renderer_pid=$LAST_PID
sleep "$seconds"
mkdir -p build/run
shot="$PWD/build/run/screenshot.png"
import -window root "$shot"
press_key Escape
wait "$renderer_pid" || true
echo "screenshot: $shot"
