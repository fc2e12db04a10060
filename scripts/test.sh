#!/usr/bin/env bash
# Every test tier: native unit and offscreen OpenGL tests with the Linux program's scenarios, its
# Debian package, the Windows programs and their tests under Wine, and short fuzzing runs.
# Installs what it lacks when run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== native build and tests"
cmake --preset native
cmake --build --preset native
ctest --preset native -j2

echo "== linux package"
# The native tier above ran the Linux program under Xvfb and xscreensaver; here its package.
tests/x11/package-check.sh "$(scripts/package-linux.sh | tail -1)"

echo "== windows build and tests under Wine"
cmake --preset windows
cmake --build --preset windows
cmake --build --preset windows --target dist
tests/wine/run-windows-tier.sh

if compgen -G "fuzz/*_fuzzer.cpp" >/dev/null; then
  echo "== fuzzing (short runs)"
  scripts/fuzz.sh "${ALTOSTRAT_FUZZ_SECONDS:-20}"
fi
echo "== all test tiers passed"
