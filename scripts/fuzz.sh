#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) and runs each for SECONDS
# (default 20), two at a time (ALTOSTRAT_FUZZ_JOBS): each target is one process, so two of them
# keep a two-processor machine busy and each still has its whole time. A target
# fuzz/NAME_fuzzer.cpp is seeded from the folders listed, one per line relative to the
# repository, in fuzz/NAME.seeds, and runs under the libFuzzer options listed one per line in
# fuzz/NAME.flags (the picture decoder's memory and time limits); what it finds goes to
# build/fuzz/findings.
#
# Every seed is first run once, whole, under those options: the files that once hurt a target
# (the picture bombs) fail here at once if the fault comes back. The timed run then starts from
# the seeds up to 64 KB: libFuzzer makes its inputs as long as the longest seed, and the 800 KB
# JPEG of 20000 scans, cut to that length again and again, slowed every run twentyfold.
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
  flags=()
  if [ -f "fuzz/$base.flags" ]; then
    while IFS= read -r flag; do
      [ -n "$flag" ] && flags+=("$flag")
    done <"fuzz/$base.flags"
  fi
  # The seeds of the timed run: those up to 64 KB, a folder each.
  small=build/fuzz/seeds/$base
  rm -rf "$small"
  for i in "${!seeds[@]}"; do
    mkdir -p "$small/$i"
    find "${seeds[$i]}" -type f -size -65537c -exec cp --parents -t "$small/$i" {} +
  done
  mkdir -p "$small"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs_at_once" ]; do
    wait -n || true
  done
  echo "fuzzing $name for ${seconds}s"
  binary=build/fuzz/fuzz/"$name"
  prefix=build/fuzz/findings/"$base"-
  {
    "$binary" "${flags[@]}" -runs=0 -artifact_prefix="$prefix" "${seeds[@]}" &&
      "$binary" "${flags[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$prefix" "$corpus" "$small"
  } >"build/fuzz/$name.log" 2>&1 &
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
