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
# A software centre offers the program for the types the metadata provides, a file manager
# for those of the desktop entry: the two lists must be the same.
entry_types=$(sed -n 's/^MimeType=//p' "$resources/trevisto.desktop" | tr ';' '\n' | sed '/^$/d' | sort)
provided=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$resources/org.trevisto.trevisto.metainfo.xml" | sort)
if [ -z "$entry_types" ] || [ "$entry_types" != "$provided" ]; then
  echo "FAIL: the metadata's media types differ from the desktop entry's:"
  diff <(echo "$entry_types") <(echo "$provided") | sed 's/^/    /'
  failures=$((failures + 1))
fi
# The licence the metadata names is the one the package's copyright file and the
# licence file at the root give.
license=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$resources/org.trevisto.trevisto.metainfo.xml")
if [ "$license" != GPL-3.0-or-later ] || ! grep -qx 'License: GPL-3+' "$resources/package/copyright" ||
  ! grep -q 'GNU GENERAL PUBLIC LICENSE' "$1/LICENSE" || ! grep -q 'Version 3' "$1/LICENSE"; then
  echo "FAIL: the licence is not GPL-3.0-or-later everywhere (metadata: '$license')"
  failures=$((failures + 1))
fi
# The newest release the metadata lists and the package's changelog name this version.
version=$(sed -n 's/^project(Trevisto VERSION \([0-9.]*\).*/\1/p' "$1/CMakeLists.txt")
grep -q "<release version=\"$version\"" "$resources/org.trevisto.trevisto.metainfo.xml" ||
  { echo "FAIL: the metadata lists no release $version"; failures=$((failures + 1)); }
head -1 "$resources/package/changelog" | grep -q "^trevisto ($version) " ||
  { echo "FAIL: the changelog does not begin with $version"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "Both validators accept the desktop entry and the metadata, which agree with the package."
