#!/usr/bin/env bash
# Runs one native X scenario with the harness loaded; whatever the script starts is stopped by
# PID when it ends, whether it passed or not.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../wine/wine-env.sh
source "$here/../wine/wine-env.sh"
trap stop_started EXIT
# shellcheck source=x11-lib.sh
source "$here/x11-lib.sh"
# shellcheck disable=SC1090
source "$1"
echo "scenario $(basename "$1" .sh): passed"
