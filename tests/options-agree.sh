#!/usr/bin/env bash
# The Linux program's options are told in three places, which must agree: its --help, its
# manual page and the README's options table (the user's manual). Each list of options is read
# from its own place and the three are compared; --help and --version must answer on standard
# output with exit code 0, as must the inspection tool's --help.
#   tests/options-agree.sh ALTOSTRAT ALTOSTRAT_TOOL SOURCE_DIR
set -euo pipefail
program=$1 tool=$2 source=$3
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

help=$("$program" --help) || fail "altostrat --help exits with $?"
version=$("$program" --version) || fail "altostrat --version exits with $?"
[[ $version =~ ^altostrat\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "altostrat --version printed: $version"
"$tool" --help >/dev/null || fail "altostrat-tool --help exits with $?"
"$tool" --version >/dev/null || fail "altostrat-tool --version exits with $?"

# The help's option lines start with two blanks and the option.
from_help=$(grep -oE '^  --[a-z-]+' <<<"$help" | tr -d ' ' | sort -u)
# The manual page's options section: ".B \-\-root" or ".BI \-\-picture ..." lines.
from_manual=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$source/packaging/altostrat.6" |
    sed 's/\\-/-/g' | grep -oE '^\.B[IR]? +--[a-z-]+' | grep -oE -- '--[a-z][a-z-]*' | sort -u)
# The README's table after "Options, as xscreensaver's hacks take them": every option in the
# first column (a row may name two).
from_readme=$(awk '/^Options, as xscreensaver.s hacks take them/ {on = 1; next}
                   on && /^\|/ {print; seen = 1; next}
                   on && seen && !/^\|/ {exit}' "$source/README.md" |
    awk -F'|' '{print $2}' | grep -oE -- '--[a-z][a-z-]*' | sort -u)

for place in manual readme; do
    list=from_$place
    if [ "${!list}" != "$from_help" ]; then
        fail "the $place and --help differ:"
        diff <(echo "$from_help") <(echo "${!list}") | sed 's/^/    /' >&2 || true
    fi
done
[ -n "$from_help" ] || fail "no options found in --help"
[ "$failures" -eq 0 ] && echo "options agree: $(echo $from_help)"
exit "$failures"
