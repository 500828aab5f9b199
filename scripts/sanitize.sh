#!/usr/bin/env bash
# Builds the project with clang under a sanitizer, in a build folder of its own, and runs the
# tests there; fails on any test failure or sanitizer report.
#
#   scripts/sanitize.sh address   AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/),
#                                 the whole suite
#   scripts/sanitize.sh thread    ThreadSanitizer (build-tsan/), the tests where threads meet:
#                                 the players, the encoder and the whole window
#
# -O1 with line tables only: reports still name file and line, and the build is much shorter.
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-}
case "$kind" in
  address) dir=build-asan ;;
  thread) dir=build-tsan ;;
  *) echo "usage: scripts/sanitize.sh address|thread" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh clang
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Sanitize \
  -DCMAKE_C_FLAGS_SANITIZE="-O1 -gline-tables-only" -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -gline-tables-only" \
  -DTREVISTO_SANITIZE="$kind" "${launcher[@]}" >/dev/null

if [ "$kind" = address ]; then
  cmake --build "$dir"
  export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tools/sanitizers/leaks.supp:print_suppressions=0
  # The seven-hour story is the plain build's to run: here it would only take minutes.
  ctest --test-dir "$dir" --output-on-failure --timeout 600 -LE '^long_sound_tests$'
else
  tests=(mci_player_tests mci_device_tests mp3enc_tests scenario_tests app_tests settings_tests ui_windows_tests)
  cmake --build "$dir" --target trevisto trevisto_bass "${tests[@]}"
  # Qt's pooled threads and the system libraries are not instrumented; their accesses
  # would be reported as races against nothing the project does.
  export TSAN_OPTIONS="ignore_noninstrumented_modules=1:halt_on_error=1:second_deadlock_stack=1"
  regex=$(IFS='|'; echo "${tests[*]}")
  # clang 14's runtime aborts in the child when Qt starts a process (it clones rather than
  # forks); the tests that run a helper program have no threads of their own to check.
  ctest --test-dir "$dir" --output-on-failure --timeout 600 -L "^($regex)\$" -E '^MessageTranslations\.'
fi
