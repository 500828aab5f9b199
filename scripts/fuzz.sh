#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for SECONDS (default
# 60) from its seed corpus in tools/fuzz/corpus/<target>/. New inputs go to
# build-fuzz/corpus/<target>/, so the seeds in the tree are never touched; an input that
# fails is saved in build-fuzz/artifacts/. Prints each target's runs and coverage, and
# fails when any target found a crash, a leak, a sanitizer report or a hang.
#
# A failing input belongs in tools/fuzz/corpus/<target>/ once fixed, as a regression case.
# To replay one input: build-fuzz/fuzz/<target> FILE
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

bash scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTREVISTO_FUZZ=ON -DTREVISTO_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target trevisto_fuzz_targets

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/fuzz/leaks.supp:print_suppressions=0

mkdir -p build-fuzz/artifacts build-fuzz/logs
failed=()
summary=()
for seeds in tools/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  mkdir -p "build-fuzz/corpus/$target"
  log=build-fuzz/logs/$target.log
  echo "== $target: ${seconds} s"
  status=0
  # -timeout: one input taking this long is a hang, as an endless module once was.
  "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" \
    "build-fuzz/corpus/$target" "$seeds" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  corp=$(grep -o 'corp: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  line="$target: ${runs:-?} runs, coverage ${cov:-?} edges, ${ft:-?} features, corpus ${corp:-?}"
  if [ "$status" -ne 0 ]; then
    line="$line: FAILED (exit $status)"
    failed+=("$target")
    tail -n 40 "$log" >&2
  fi
  echo "$line"
  summary+=("$line")
done

echo "== fuzzing summary (${seconds} s each)"
printf '%s\n' "${summary[@]}"
echo "fuzz: $((${#summary[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/artifacts/, logs in build-fuzz/logs/)" >&2
  exit 1
fi
