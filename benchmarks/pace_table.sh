#!/usr/bin/env bash
# The frame loop's pace on simulated displays (altostrat-tool pace): for each refresh rate the
# flight's steps a second (design: 66.67), the pictures drawn a second and how evenly the shown
# flight advances from refresh to refresh, presenting in step with the refresh and presenting
# that returns at once; then a machine whose drawing takes 30 ms. Not a test: it prints the
# tool's lines, for the README's performance notes.
#   benchmarks/pace_table.sh [SECONDS]   (simulated seconds a line, at least 2; default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
cmake --preset native >/dev/null
cmake --build --preset native --target altostrat-tool >/dev/null
tool=build/native/tools/altostrat-tool
# line LABEL ARGS...: one line of the table; a failing tool fails the script.
line() {
    local out
    out=$("$tool" pace "${@:2}" --seconds "$seconds")
    printf '%-24s %s\n' "$1" "$out"
}
for hz in 60 75 100 120 144 165 240; do
    line "$hz Hz, 2 ms:" --refresh "$hz" --draw-ms 2
    line "$hz Hz, 2 ms, no vsync:" --refresh "$hz" --draw-ms 2 --no-vsync
done
line "60 Hz, 30 ms:" --refresh 60 --draw-ms 30
line "60 Hz, 30 ms, no vsync:" --refresh 60 --draw-ms 30 --no-vsync
