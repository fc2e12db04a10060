#!/usr/bin/env bash
# The Windows test tier: the cross-built GoogleTest programs and the scenario scripts, all
# under Wine. The test programs share one private 1024 x 768 display; each scenario starts
# its own. Everything started here is stopped by PID at the end.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
trap stop_started EXIT
start_xvfb 1024x768
wine_env_setup
ctest --preset windows "$@"
