#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (program in build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# ccache, where present, keeps rebuilds short; paths relative to the tree let clones in
# other folders share its results.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Configured once; after that the build itself runs cmake again when a CMakeLists.txt
# changed, so a build with nothing to do prints no configure lines.
if [ ! -f build/CMakeCache.txt ] || [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
if [ -t 1 ]; then
  # A terminal shows ninja's progress on one line that it rewrites.
  cmake --build build
else
  # Elsewhere every step would take a line of its own: a line at the start and one at the
  # end instead, with the compilers' warnings and errors in between.
  echo "Building into build/ ..."
  started=$SECONDS
  cmake --build build -- --quiet
  seconds=$((SECONDS - started))
  echo "Built in $((seconds / 60)) min $((seconds % 60)) s."
fi
