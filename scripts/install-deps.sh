#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Trevisto need.
# apt-get runs only when something is missing; as root directly, otherwise through sudo.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev
  # lrelease for the translated messages
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  # decoding library
  libmpg123-dev libsndfile1-dev libopenmpt-dev
  # format and rate conversion
  libsoxr-dev
  # players
  libsdl2-dev
  # master volume, button pictures
  libasound2-dev qt6-svg-dev
  # MP3 encoder (also makes test audio) and rate conversion
  libmp3lame-dev libsoxr-dev
  # run under a virtual display, screenshots
  xvfb xauth imagemagick fonts-dejavu-core xdotool
  # captions in Chinese (Cyrillic is in DejaVu)
  fonts-noto-cjk
  # benchmark peers and material
  mpg123 lame sox time
  # the desktop entry and AppStream checks, and the Debian package
  desktop-file-utils appstream dpkg-dev file
  # fuzz targets (scripts/fuzz.sh): clang, libFuzzer, and readable sanitizer reports
  clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
