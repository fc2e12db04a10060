#!/usr/bin/env bash
# Builds what is missing and starts the screensaver under Wine, as Windows would: the host with /s
# photographs the screen into a folder of the run's own in the user's temporary folder, starts
# the renderer beside it and ends when it ends, removing that folder. With DISPLAY set it runs on
# that display until you press Escape. Without one it starts a private 1024 x 768 X server
# showing the sample desktop, runs the saver for a few seconds, saves a screenshot, ends the
# flight with one Escape and prints where the screenshot is and where the pictures were.
set -euo pipefail
cd "$(dirname "$0")/.."
# The compiler cache (where installed) shared by every clone, as in the test command.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true CCACHE_SLOPPINESS=pch_defines,time_macros
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target altostrat_host altostrat_renderer

source tests/wine/wine-env.sh
trap stop_started EXIT
# The host starts the renderer from its own folder, and the renderer reads the glider from its
# own: all three go into one, as an install lays them out.
saver_dir=$PWD/build/run/saver
mkdir -p "$saver_dir"
cp build/windows/host/アルトストラト.scr build/windows/renderer/アルトストラト.dll "$saver_dir/"
cp assets/glider.ms3d "$saver_dir/アルトストラト.ms3d"
host="$saver_dir/アルトストラト.scr"

if [ -n "${DISPLAY:-}" ]; then
    wine_env_setup
    wine "$host" /s
    exit 0
fi

seconds=${ALTOSTRAT_RUN_SECONDS:-6}
start_xvfb 1024x768
wine_env_setup
# ImageMagick reports a failure after setting the root picture, so its status is not used.
display -window root assets/sample-desktop.png 2>/dev/null || true
temp=$(winepath -u "$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')" 2>/dev/null)
temp=$(realpath "$temp")
start_bg wine "$host" /s
host_pid=$LAST_PID
sleep "$seconds"
shot="$PWD/build/run/screenshot.png"
import -window root "$shot"
folders=$(find "$temp" -mindepth 1 -maxdepth 1 -name 'Altostrat-*' -printf '%p ')
press_key Escape
wait "$host_pid" || true
echo "screenshot: $shot"
for folder in $folders; do
    if [ -e "$folder" ]; then
        echo "pictures:   $folder (still there: $(ls "$folder" | tr '\n' ' '))"
    else
        echo "pictures:   $folder (removed when the flight ended)"
    fi
done
