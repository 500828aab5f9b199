#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: the expected files and nothing else, a desktop
# entry and icons a desktop can use, and a program that starts from any folder and opens
# the file named on its command line.
# Usage: install_tree_test.sh CMAKE BUILD_DIR
set -uo pipefail
cmake=$1 build=$2
here=$(dirname "$0")
source "$here/common.sh"

scratch=$(mktemp -d)
trap 'stop_started; rm -rf "$scratch"' EXIT

if ! "$cmake" --install "$build" --prefix "$scratch/inst" >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log"
  echo "FAIL: cmake --install failed"
  exit 1
fi
check_file_list "$scratch/inst" ""
check_install_contents "$scratch/inst"
if [ "$failures" -ne 0 ]; then
  exit 1
fi

have_display_tools || exit $SKIPPED
check_starts_and_opens "$scratch/inst/bin/trevisto" "$scratch/run"
[ "$failures" -eq 0 ] || exit 1
echo "The install tree is complete and the installed program starts."
