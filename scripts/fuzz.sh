#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) and runs each for SECONDS
# (default 20), two at a time (ALTOSTRAT_FUZZ_JOBS): each target is one process, so two of them
# keep a two-processor machine busy and each still has its whole time. A target
# fuzz/NAME_fuzzer.cpp is seeded from the folders listed, one per line relative to the
# repository, in fuzz/NAME.seeds; what it finds goes to build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs_at_once=${ALTOSTRAT_FUZZ_JOBS:-2}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target altostrat_fuzzers
mkdir -p build/fuzz/findings
names=()
pids=()
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
  while [ "$(jobs -rp | wc -l)" -ge "$jobs_at_once" ]; do
    wait -n || true
  done
  echo "fuzzing $name for ${seconds}s"
  build/fuzz/fuzz/"$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/"$base"- "$corpus" "${seeds[@]}" \
    >"build/fuzz/$name.log" 2>&1 &
  names+=("$name")
  pids+=("$!")
done
status=0
for i in "${!pids[@]}"; do
  name=${names[$i]}
  if ! wait "${pids[$i]}"; then
    echo "$name found a fault:"; tail -40 "build/fuzz/$name.log"; status=1
  else
    echo "$name: $(grep -E '^stat::number_of_executed_units' "build/fuzz/$name.log" || true)"
  fi
done
exit $status
