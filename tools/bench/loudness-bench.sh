#!/usr/bin/env bash
# Times the loudness measure (`trevisto-bench loudness`, on every core) against ffmpeg's
# ebur128 filter with true peak on a 60-minute stereo WAV of varied noise and tone, medians
# of three runs each, and prints both figures so they can be compared.
#
#   tools/bench/loudness-bench.sh BUILD/bin/trevisto-bench [LONG.wav]
set -euo pipefail
bench=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
long=${2:-$work/long.wav}
if [ ! -f "$long" ]; then
  # Ten minutes of pink noise, then of a quieter tone under noise, three times over.
  sox -n -r 44100 -c 2 -b 16 "$work/loud.wav" synth 600 pinknoise vol 0.4
  sox -n -r 44100 -c 2 -b 16 "$work/quiet.wav" synth 600 sine 440 whitenoise vol 0.05
  sox "$work/loud.wav" "$work/quiet.wav" "$work/loud.wav" "$work/quiet.wav" "$work/loud.wav" "$work/quiet.wav" "$long"
fi

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
timed() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

ours=$(for _ in 1 2 3; do timed "$bench" loudness "$long"; done | median)
theirs=$(for _ in 1 2 3; do timed ffmpeg -nostdin -i "$long" -af ebur128=peak=true -f null -; done | median)
"$bench" loudness "$long"
ffmpeg -nostdin -i "$long" -af ebur128=peak=true -f null - 2>&1 | grep -E '^\s+(I|Peak):' | tr -s ' '
printf 'trevisto=%.2fs ffmpeg=%.2fs ratio=%.2f\n' "$ours" "$theirs" "$(echo "$ours / $theirs" | bc -l)"
