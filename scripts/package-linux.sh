#!/usr/bin/env bash
# Builds the Debian package of the Linux program into build/linux-package and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset linux-package >/dev/null
cmake --build --preset linux-package
(cd build/linux-package && cpack -G DEB >/dev/null)
ls build/linux-package/altostrat_*.deb
