#!/bin/bash
# Brings the translations of the program's own messages (resources/translations/*.ts) in
# step with the code: texts marked in the sources are added as unfinished entries, texts no
# longer in the code are dropped. Translate the new entries afterwards (Qt Linguist, or by
# hand); the build turns the .ts files into the compiled-in .qm files.
#
#   scripts/update-translations.sh              updates resources/translations/*.ts
#   scripts/update-translations.sh FILE.ts...   writes what the code marks into FILE.ts instead
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" "$(command -v lupdate || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then lupdate=$candidate; break; fi
  done
fi
[ -n "$lupdate" ] || { echo "lupdate not found (package qt6-l10n-tools); set LUPDATE" >&2; exit 1; }

# The folders the program is built from; the window's form holds the language packs'
# captions, not messages, so only C++ files are read.
sources=(app audio clips core editor platform settings tracks ui)
ts=(resources/translations/trevisto_{de,es,fr,it,ru,zh_CN,zh_TW}.ts)
if [ $# -gt 0 ]; then
  # Files named on the command line are taken from where the script was started.
  ts=()
  for file in "$@"; do
    case $file in /*) ts+=("$file") ;; *) ts+=("$here/$file") ;; esac
  done
fi

"$lupdate" -I . -extensions cpp,h -locations none -no-obsolete -no-ui-lines "${sources[@]}" -ts "${ts[@]}"
