#!/usr/bin/env bash
# Runs one scenario script with the harness loaded; whatever the script starts is stopped by
# PID when it ends, whether it passed or not.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
trap stop_started EXIT
wine_env_setup
# shellcheck source=scenario-lib.sh
source "$here/scenario-lib.sh"
# A Wine server left from programs on another display would keep its desktop there; the
# scenario's programs must start a server of their own on the scenario's display.
wineserver -k >/dev/null 2>&1 || true
wineserver -w
# shellcheck disable=SC1090
source "$1"
echo "scenario $(basename "$1" .sh): passed"
