#!/usr/bin/env bash
# The build's CTestCustom.cmake on a project of one case that skips and leaves its reason:
# ctest must print the reason after the run, as it does after the real suite.
set -euo pipefail
ctest=$1 custom=$2 folder=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
reasons=$scratch/skip-reasons
# The same steps, on a folder of this test's own.
sed "s|$folder|$reasons|g" "$custom" >"$scratch/CTestCustom.cmake"
grep -qF "$reasons" "$scratch/CTestCustom.cmake" || { echo "CTestCustom.cmake does not name $folder"; exit 1; }
cat >"$scratch/CTestTestfile.cmake" <<END
add_test(skips sh -c "mkdir -p '$reasons' && echo 'Story.Case: skipped: no tmpfs here' >'$reasons/Story.Case.txt' && exit 77")
set_tests_properties(skips PROPERTIES SKIP_RETURN_CODE 77)
END
mkdir -p "$reasons"
echo "Old.Case: left from an earlier run" >"$reasons/Old.Case.txt"
out=$("$ctest" --test-dir "$scratch" --output-on-failure 2>&1)
if ! grep -qxF "Skipped cases and why (1):" <<<"$out" ||
  ! grep -qxF "  Story.Case: skipped: no tmpfs here" <<<"$out"; then
  echo "$out"
  echo "ctest did not print the skipped case's reason (or printed an earlier run's too)"
  exit 1
fi
