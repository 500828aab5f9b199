#!/usr/bin/env bash
# Installs the Debian 12 packages a job needs, only those that are missing.
#
#   scripts/install-deps.sh            building, running and testing (what the README's
#                                      two commands need)
#   scripts/install-deps.sh GROUP...   that, plus the extra tools of each GROUP:
#       clang     clang, libFuzzer and the sanitizer runtimes (scripts/fuzz.sh,
#                 scripts/sanitize.sh)
#       bench     the peer tools the benchmark times against (scripts/bench.sh), and the
#                 MP3 validator that checks what it wrote
#       lint      lintian, for checking the Debian package (scripts/lint-package.sh)
#
# apt-get runs as root directly, else through sudo where it is installed; with neither,
# the script names what is missing and fails.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev
  # lrelease for the translated messages
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  # decoding library
  libmpg123-dev libsndfile1-dev libopenmpt-dev
  # every other sound format in; the ffmpeg command makes and checks the test files
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev ffmpeg
  # players
  libsdl2-dev
  # master volume, button pictures
  libasound2-dev qt6-svg-dev
  # MP3 encoder (also makes test audio) and rate conversion
  libmp3lame-dev libsoxr-dev
  # loudness of clips and joins; tags and chapters on what is written
  libebur128-dev libtag1-dev
  # the program on a virtual display, as the package tests start it; also for a machine
  # without a display of its own
  xvfb xauth xdotool fonts-dejavu-core
  # captions in Chinese (Cyrillic is in DejaVu)
  fonts-noto-cjk
  # the desktop entry and AppStream checks, and the Debian package
  desktop-file-utils appstream dpkg-dev file
)

for group in "$@"; do
  case $group in
    # fuzz targets and sanitizer builds: clang, libFuzzer, and readable sanitizer reports
    clang) packages+=(clang libclang-rt-14-dev llvm) ;;
    bench) packages+=(mpg123 lame sox time mp3val flac) ;;
    lint) packages+=(lintian) ;;
    *)
      echo "usage: scripts/install-deps.sh [clang|bench|lint]..." >&2
      exit 2
      ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Installing them needs root, and sudo is not installed. As root, run:" >&2
  echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing ${#missing[@]} Debian packages and what they need${as_root:+ (through sudo)}: ${missing[*]}"
# The package manager's own lines (a few per package, well over a thousand on a bare
# system) go to a log that is shown only when something fails. English figures, so that
# the summary below can read them.
log=$(mktemp "${TMPDIR:-/tmp}/trevisto-install-deps.XXXXXX")
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive LC_ALL=C apt-get -q -o Dpkg::Use-Pty=0)
started=$SECONDS
# The lists are read anew first: a fresh image has none, and old ones name files the
# mirror no longer has.
if ! "${apt[@]}" update >"$log" 2>&1 ||
  ! "${apt[@]}" install -y --no-install-recommends "${missing[@]}" >>"$log" 2>&1; then
  cat "$log" >&2
  echo "Installing the packages failed; the package manager's output is above and in $log." >&2
  exit 1
fi
seconds=$((SECONDS - started))
# "N upgraded, M newly installed, ..." and "Need to get 274 MB of archives."
count=$(sed -n 's/.* \([0-9][0-9]*\) newly installed.*/\1/p' "$log" | tail -n 1)
download=$(sed -n 's/^Need to get \([^ ]* [kMG]*B\).*/\1/p' "$log" | tail -n 1)
disk=$(sed -n 's/^After this operation, \([^ ]* [kMG]*B\) of additional disk space.*/\1/p' "$log" | tail -n 1)
echo "Installed ${count:-the} packages${download:+, $download downloaded}${disk:+, $disk on disk}, in $((seconds / 60)) min $((seconds % 60)) s."
rm -f "$log"
