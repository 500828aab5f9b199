#!/usr/bin/env bash
# Times the program's heavy jobs (build/bin/trevisto-bench) against peer tools on the same
# material: decoding an MP3 to WAV (mpg123), and encoding a WAV to MP3 (lame). Installs the
# peers first, and builds when the bench is not built yet.
#
#   scripts/bench.sh [SECONDS]   material of SECONDS seconds (default 600) of stereo noise
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: scripts/bench.sh [SECONDS]" >&2
  exit 2
fi

bash scripts/install-deps.sh bench
[ -x build/bin/trevisto-bench ] || bash scripts/build.sh
bench=build/bin/trevisto-bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sox -q -n -r 44100 -c 2 -b 16 "$work/source.wav" synth "$seconds" pinknoise vol 0.5
lame --quiet -b 128 "$work/source.wav" "$work/source.mp3"

# Wall-clock seconds and peak memory of one command, its output thrown away.
measure() {
  local name=$1
  shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>&1
  read -r wall kb <"$work/time"
  printf '%-34s %8s s %8d KiB\n' "$name" "$wall" "$kb"
}

echo "$seconds s of stereo 44.1 kHz sound:"
measure "decode MP3 (trevisto-bench)" "$bench" convert --no-peaks "$work/source.mp3" "$work/ours.wav"
measure "decode MP3 (mpg123)" mpg123 -q -w "$work/peer.wav" "$work/source.mp3"
measure "encode MP3 128 (trevisto-bench)" "$bench" encode "$work/source.wav" "$work/ours.mp3" 128
measure "encode MP3 128 (lame)" lame --quiet -b 128 "$work/source.wav" "$work/peer.mp3"
