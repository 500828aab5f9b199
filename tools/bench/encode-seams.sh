#!/usr/bin/env bash
# The encoder on every core against the lame command and against itself on one thread:
# time, thread count, decoded length (mpg123 and ffmpeg, both gapless), SNR over the whole
# sound and around every splice, sample steps at the splices, and mp3val's verdict.
#
#   tools/bench/encode-seams.sh [SOURCE.wav [KBPS]]
# Without a source, 60 minutes of 44.1 kHz stereo are made with sox: plucked notes under
# a tremolo, a sweep with a square wave, and pulsing pink noise.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/install-deps.sh bench
[ -x build/bin/trevisto-bench ] || bash scripts/build.sh
bench=$PWD/build/bin/trevisto-bench
kbps=${2:-128}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ $# -ge 1 ]; then
  source=$1
else
  source=$work/source.wav
  sox -q -n -r 44100 -c 2 -b 16 "$work/a.wav" synth 3600 pluck C3 pluck G3 tremolo 2 90 vol 0.5
  sox -q -n -r 44100 -c 2 -b 16 "$work/b.wav" synth 3600 sine 220-1760 square 330 vol 0.15
  sox -q -n -r 44100 -c 2 -b 16 "$work/c.wav" synth 3600 pinknoise tremolo 7 100 vol 0.15
  sox -q -m "$work/a.wav" "$work/b.wav" "$work/c.wav" "$source"
  rm "$work/a.wav" "$work/b.wav" "$work/c.wav"
fi

seconds() { /usr/bin/time -f %e -o "$work/time" "$@" >"$work/out" 2>&1; cat "$work/time"; }
ours=$(seconds "$bench" encode "$source" "$work/stretched.mp3" "$kbps")
threads=$(sed -n 's/.*threads=\([0-9]*\).*/\1/p' "$work/out")
peer=$(seconds lame --quiet -b "$kbps" "$source" "$work/peer.mp3")
whole=$(seconds "$bench" encode --threads 1 "$source" "$work/whole.mp3" "$kbps")
echo "encode at $kbps kbit/s: $ours s on $threads threads, lame $peer s, ratio $(echo "scale=3; $ours / $peer" | bc)"
echo "                        one thread (the same encoder) $whole s"

echo "source frames: $(soxi -s "$source")"
for f in stretched whole; do
  mpg123 -q -w "$work/$f.wav" "$work/$f.mp3"
  echo "$f: mpg123 $(soxi -s "$work/$f.wav") frames," \
    "ffmpeg $(( $(ffmpeg -v error -i "$work/$f.mp3" -f s16le - | wc -c) / 4 )) frames"
done
"$bench" seams "$source" "$work/stretched.wav" "$work/whole.wav" "$threads"
mp3val "$work/stretched.mp3"
