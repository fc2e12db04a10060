#!/usr/bin/env bash
# Every test tier: native unit and offscreen OpenGL tests with the Linux program's scenarios, its
# Debian package and its link-time check of one definition per type, the Windows programs and
# their tests under Wine, a short run of each benchmark script (so that one that no longer works
# fails here) and short fuzzing runs. Installs what it lacks when run as root. The Windows build
# runs behind the native tests, and the fuzzers' build behind the Windows tests. At the end, and
# when a tier fails, it prints the seconds each tier took.
set -euo pipefail
cd "$(dirname "$0")/.."
# The compiler cache's paths are taken relative to the clone and its folder is left out of the
# debug information's hash, so every clone shares it; the test programs' precompiled GoogleTest
# header is cached as well.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true CCACHE_SLOPPINESS=pch_defines,time_macros

tier_names=()
tier_seconds=()
tier_name=
tier_start=$SECONDS

# tier NAME: the tier before ends here (its time is kept) and NAME begins.
tier() {
    end_tier
    tier_name=$1
    tier_start=$SECONDS
    echo "== $1"
}
end_tier() {
    if [ -n "$tier_name" ]; then
        tier_names+=("$tier_name")
        tier_seconds+=($((SECONDS - tier_start)))
    fi
    tier_name=
}
print_times() {
    local i total=0
    printf '%-40s %7s\n' tier seconds
    for i in "${!tier_names[@]}"; do
        printf '%-40s %7d\n' "${tier_names[$i]}" "${tier_seconds[$i]}"
        total=$((total + tier_seconds[i]))
    done
    printf '%-40s %7d\n' total "$total"
}
# build_behind PRESET [TARGET]: configures and builds PRESET in the background, at a lower
# priority than the tests that run meanwhile (they mostly wait on X servers, compositors and
# Wine, which leaves a core to a build), its output in build/PRESET-behind.log. join_build
# PRESET waits for it and shows that output when it failed.
declare -A behind_pids=()
build_behind() {
    mkdir -p build
    nice -n 10 bash -c 'cmake --preset "$1" && cmake --build --preset "$1" ${2:+--target "$2"}' \
        build_behind "$1" "${2:-}" >"build/$1-behind.log" 2>&1 &
    behind_pids[$1]=$!
}
join_build() {
    wait "${behind_pids[$1]}" || {
        cat "build/$1-behind.log"
        echo "the $1 build failed" >&2
        return 1
    }
    unset "behind_pids[$1]"
}
finish() {
    local status=$? failed=$tier_name
    if [ "${#behind_pids[@]}" -gt 0 ]; then
        kill "${behind_pids[@]}" 2>/dev/null || true
    fi
    [ "$status" -ne 0 ] || return 0
    end_tier
    echo "== the tier \"${failed:-?}\" failed (exit status $status); the times so far:"
    print_times
}
trap finish EXIT

tier "packages"
scripts/install-deps.sh

tier "native build and tests"
cmake --preset native
cmake --build --preset native
build_behind windows
ctest --preset native -j2

tier "linux package"
# The native tier above ran the Linux program under Xvfb and xscreensaver; here its package.
tests/x11/package-check.sh "$(scripts/package-linux.sh | tail -1)"

tier "link-time type check"
# The Linux program linked with link-time optimisation, where GCC holds each type of one name to
# one definition across the whole program: two different types of one name (which may allocate
# one size and free another) fail the link here. Only the program is built.
cmake --preset lto-check
cmake --build --preset lto-check

tier "windows build and tests under Wine"
join_build windows
# The downloads signed with a throwaway certificate and every signature verified; the Wine tier
# then installs the signed downloads.
tests/signed-dist.sh build/windows
if compgen -G "fuzz/*_fuzzer.cpp" >/dev/null; then
    build_behind fuzz altostrat_fuzzers
fi
tests/wine/run-windows-tier.sh

tier "benchmark scripts (short runs)"
# Only that each still runs to its figures: one run or a few seconds each, on the builds above
# (the frame rate one on the package's build, which is the benchmarks' release build without
# sanitizers, rather than a build of its own).
benchmarks/pace_table.sh 2
ALTOSTRAT_BENCH_PRESET=linux-package benchmarks/linux_fps.sh 7
ALTOSTRAT_BENCH_PRESET=linux-package benchmarks/idle_wait.sh 1
if unshare --mount true 2>/dev/null; then
    ALTOSTRAT_BENCH_PRESET=linux-package benchmarks/battery_cpu.sh 2 320x240
else
    echo "battery_cpu.sh left out: it needs root for a private mount namespace"
fi
benchmarks/saver_start.sh 1

if compgen -G "fuzz/*_fuzzer.cpp" >/dev/null; then
    tier "fuzzing (short runs)"
    join_build fuzz
    scripts/fuzz.sh "${ALTOSTRAT_FUZZ_SECONDS:-10}"
fi
end_tier
echo "== all test tiers passed"
print_times
