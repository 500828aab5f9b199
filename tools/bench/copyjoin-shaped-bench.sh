#!/usr/bin/env bash
# Times `trevisto-bench copyjoin` of three 10-minute clips of two MP3s, plain, with loudness
# matched, and with loudness matched, 10 ms crossfades and 1 s fades,
# medians of three runs each. Prints each figure and its ratio to the plain copy, and the
# shaped join's levels and length.
#
#   tools/bench/copyjoin-shaped-bench.sh BUILD/bin/trevisto-bench
set -euo pipefail
bench=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Twelve minutes of loud pink noise under a tone, and of quieter speech-like bursts.
sox -n -r 44100 -c 2 -b 16 "$work/a.wav" synth 720 pinknoise vol 0.3 synth 720 sine mix 220 vol 0.8
sox -n -r 44100 -c 2 -b 16 "$work/b.wav" synth 720 brownnoise vol 0.08 tremolo 3 90
lame --quiet -b 192 "$work/a.wav" "$work/a.mp3"
lame --quiet -b 192 "$work/b.wav" "$work/b.mp3"
clips=("$work/a.mp3:10000:610000" "$work/b.mp3:20000:620000" "$work/a.mp3:100000:700000")

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# The join's own time, as the bench reports it: the sources' decoding and the clips' cuts
# (and their loudness, measured as the clip list does when a clip is added) come before it.
timed() { "$@" | grep -o ' seconds=[0-9.]*' | cut -d= -f2; }
shape=(--match -18 --crossfade 10 --fade-in 1000 --fade-out 1000)
plain=$(for _ in 1 2 3; do timed "$bench" copyjoin --no-sync "$work/plain.mp3" "${clips[@]}"; done | median)
matched=$(for _ in 1 2 3; do timed "$bench" copyjoin --no-sync --match -18 "$work/matched.mp3" "${clips[@]}"; done | median)
shaped=$(for _ in 1 2 3; do timed "$bench" copyjoin --no-sync "${shape[@]}" "$work/shaped.mp3" "${clips[@]}"; done | median)
"$bench" copyjoin --no-sync "${shape[@]}" "$work/shaped.mp3" "${clips[@]}" | tail -2
printf 'copy=%.2fs matched=%.2fs (%.2fx) shaped=%.2fs (%.2fx)\n' "$plain" "$matched" \
  "$(echo "$matched / $plain" | bc -l)" "$shaped" "$(echo "$shaped / $plain" | bc -l)"
