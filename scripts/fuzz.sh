#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) and runs each for SECONDS
# (default 20). A target fuzz/NAME_fuzzer.cpp is seeded from the folders listed, one per line
# relative to the repository, in fuzz/NAME.seeds; what it finds goes to build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target altostrat_fuzzers
mkdir -p build/fuzz/findings
status=0
for source in fuzz/*_fuzzer.cpp; do
  [ -e "$source" ] || continue
  name=$(basename "$source" .cpp)
  base=${name%_fuzzer}
  corpus=build/fuzz/corpus/$base
  mkdir -p "$corpus"
  seeds=()
  if [ -f "fuzz/$base.seeds" ]; then
    while IFS= read -r dir; do
      [ -n "$dir" ] && [ -d "$dir" ] && seeds+=("$dir")
    done <"fuzz/$base.seeds"
  fi
  echo "fuzzing $name for ${seconds}s"
  if ! build/fuzz/fuzz/"$name" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build/fuzz/findings/"$base"- "$corpus" "${seeds[@]}" \
      >"build/fuzz/$name.log" 2>&1; then
    echo "$name found a fault:"; tail -40 "build/fuzz/$name.log"; status=1
  else
    grep -E '^stat::number_of_executed_units' "build/fuzz/$name.log" || true
  fi
done
exit $status
