#!/usr/bin/env bash
# Makes the Debian package from build/ (building first when needed) and checks it with
# lintian, as a distribution would before taking it. Fails on any error or warning; the
# lower levels are printed for reading.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh lint
bash scripts/build.sh
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd build && cpack -G DEB -B "$out" >/dev/null)
package=$(ls "$out"/trevisto_*.deb)
echo "lintian on $(basename "$package"):"
lintian --info --display-info --fail-on error,warning "$package"
echo "lintian: no error, no warning."
