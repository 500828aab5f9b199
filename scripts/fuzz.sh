#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs them. Two ways:
#
#   scripts/fuzz.sh [SECONDS]   the long, random run, for people: each target for SECONDS
#                               (default 60) from its seed corpus in tools/fuzz/corpus/<target>/,
#                               with a new random seed each time. New inputs go to
#                               build-fuzz/corpus/<target>/ and stay for the next run.
#   scripts/fuzz.sh --ci        the run CI makes, the same on every run of a commit: each
#                               target replays every seed and regression input once, then
#                               fuzzes from a fixed seed for a fixed number of runs, from an
#                               empty output corpus.
#
# The seeds in the tree are never touched. An input that fails is saved in
# build-fuzz/artifacts/; it belongs in tools/fuzz/corpus/<target>/ once fixed, as a
# regression case. Prints each target's runs and coverage, and fails when any target
# found a crash, a leak, a sanitizer report or a hang. To replay one input:
# build-fuzz/fuzz/<target> FILE
set -euo pipefail
cd "$(dirname "$0")/.."

mode=random
seconds=60
case "${1:-}" in
  --ci) mode=ci ;;
  "") ;;
  *)
    seconds=$1
    if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
      echo "usage: scripts/fuzz.sh [SECONDS] | --ci" >&2
      exit 2
    fi
    ;;
esac

# The CI run: one seed for all, and per target as many runs as take about 20 s on a
# two-core machine under load, with the sanitizers on.
ci_seed=20261208
declare -A ci_runs=(
  [fuzz_avi]=2500000
  [fuzz_bass]=2000
  [fuzz_cuesheet]=60000
  [fuzz_language]=90000
  [fuzz_mp3copy]=5000
  [fuzz_mp3join]=3000
  [fuzz_regfile]=90000
  [fuzz_wav]=1000000
)

bash scripts/install-deps.sh clang
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

# For the CI run, what a target does must depend on its input alone: Qt's hashes get a
# fixed seed, and where the system allows it, addresses are not randomised (pointer
# values reach comparisons and hashes, and so the coverage that steers the mutations).
fixed=()
if [ "$mode" = ci ]; then
  export QT_HASH_SEED=0
  if setarch "$(uname -m)" -R true 2>/dev/null; then
    fixed=(setarch "$(uname -m)" -R)
  fi
fi

mkdir -p build-fuzz/artifacts build-fuzz/logs
failed=()
summary=()

# Runs one target with the given libFuzzer options and corpus folders; records a summary
# line and whether it failed. -timeout: one input taking this long is a hang, as an endless
# module once was.
run_target() {
  local target=$1 label=$2 log=$3
  shift 3
  local status=0 began=$SECONDS
  "${fixed[@]}" "build-fuzz/fuzz/$target" -timeout=25 -rss_limit_mb=2560 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/artifacts/$target-" "$@" >"$log" 2>&1 || status=$?
  local runs cov ft corp
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  corp=$(grep -o 'corp: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  local line="$target $label: ${runs:-?} runs, coverage ${cov:-?} edges, ${ft:-?} features, corpus ${corp:-?} ($((SECONDS - began)) s)"
  if [ "$status" -ne 0 ]; then
    line="$line: FAILED (exit $status)"
    failed+=("$target $label")
    tail -n 40 "$log" >&2
  fi
  echo "$line"
  summary+=("$line")
}

for seeds in tools/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  if [ "$mode" = ci ]; then
    runs=${ci_runs[$target]:-}
    if [ -z "$runs" ]; then
      echo "fuzz target $target has no run count for CI in scripts/fuzz.sh" >&2
      exit 2
    fi
    echo "== $target: every seed, then $runs runs from seed $ci_seed"
    run_target "$target" seeds "build-fuzz/logs/$target-seeds.log" -runs=0 "$seeds"
    # A fresh output folder, so that no earlier run's finds change this one.
    out=build-fuzz/ci-corpus/$target
    rm -rf "$out"
    mkdir -p "$out"
    # -reload=0: the output folder is read back on a timer otherwise, and each input run
    # again then changes the comparisons that steer the next mutations.
    run_target "$target" fuzzing "build-fuzz/logs/$target.log" -seed="$ci_seed" -runs="$runs" -reload=0 \
      "$out" "$seeds"
  else
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target: ${seconds} s"
    run_target "$target" "${seconds} s" "build-fuzz/logs/$target.log" -max_total_time="$seconds" \
      "build-fuzz/corpus/$target" "$seeds"
  fi
done

echo "== fuzzing summary"
printf '%s\n' "${summary[@]}"
echo "fuzz: $((${#summary[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/artifacts/, logs in build-fuzz/logs/)" >&2
  exit 1
fi
