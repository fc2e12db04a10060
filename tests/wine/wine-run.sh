#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's private prefix. ctest uses it as the
# cross-compiling emulator; the scenario scripts use it too. The prefix is made once per
# build tree (its first use creates it) and shared by every later program.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
wine_env_setup
exec wine "$@"
