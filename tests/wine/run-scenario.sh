#!/usr/bin/env bash
# Runs one scenario script with the harness loaded; whatever the script starts is stopped by
# PID when it ends, whether it passed or not. Each scenario has a home and a prefix of its own
# (a fresh copy of the tier's template), so its programs start a Wine server of their own on the
# scenario's display, and scenarios can run side by side.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
trap stop_started EXIT
own_wine_home "scenario-$(basename "$1" .sh)"
wine_env_setup
# shellcheck source=scenario-lib.sh
source "$here/scenario-lib.sh"
# shellcheck disable=SC1090
source "$1"
echo "scenario $(basename "$1" .sh): passed"
