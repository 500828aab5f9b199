#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass their own validators.
# Usage: desktop_files_test.sh SOURCE_DIR
set -uo pipefail
resources=$1/resources
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is missing (scripts/install-deps.sh brings it)"
    exit 77
  fi
done

failures=0
if ! desktop-file-validate "$resources/trevisto.desktop"; then
  echo "FAIL: desktop-file-validate"
  failures=$((failures + 1))
fi
# Warnings fail the check too, as they would in a software centre's import.
if ! appstreamcli validate --no-net "$resources/org.trevisto.trevisto.metainfo.xml"; then
  echo "FAIL: appstreamcli validate"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] || exit 1
echo "Both validators accept the desktop entry and the metadata."
