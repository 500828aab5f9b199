#!/usr/bin/env bash
# Times the tracks jobs against their peers on a 60-minute stereo WAV of music-like noise
# with a 2 s pause every 2 minutes, in one run, medians of three runs each:
#   - finding the pauses (`trevisto-bench pauses`) against ffmpeg's silencedetect;
#   - adding the 30 tracks between split points every 2 minutes as clips
#     (`trevisto-bench tracks`, the window's clip writing) against sox writing the same
#     ranges one after another.
#
#   tools/bench/tracks-bench.sh BUILD/bin/trevisto-bench [LONG.wav]
set -euo pipefail
bench=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
long=${2:-$work/long.wav}
if [ ! -f "$long" ]; then
  # 118 s of pink noise then 2 s of quiet noise, thirty times.
  sox -n -r 44100 -c 2 -b 16 "$work/piece.wav" synth 118 pinknoise vol 0.3
  sox -n -r 44100 -c 2 -b 16 "$work/gap.wav" synth 2 whitenoise vol 0.001
  pieces=()
  for _ in $(seq 30); do pieces+=("$work/piece.wav" "$work/gap.wav"); done
  sox "${pieces[@]}" "$long"
fi

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
timed() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
runs() { for _ in 1 2 3; do timed "$@"; done | median; }

cat "$long" >/dev/null # in the page cache for every contender
ours_find=$(runs "$bench" pauses "$long")
ffmpeg_find=$(runs ffmpeg -nostdin -v error -i "$long" -af silencedetect=n=-40dB:d=1 -f null -)
"$bench" pauses "$long" 2>/dev/null | wc -l | xargs printf 'pauses found: %s\n'

mkdir -p "$work/ours" "$work/sox"
"$bench" tracks "$long" "$work/ours" --every 2 >"$work/ranges" 2>/dev/null
sox_tracks() {
  while IFS=$'\t' read -r path first end; do
    sox "$long" "$work/sox/$(basename "$path")" trim "${first}s" "=${end}s"
  done <"$work/ranges"
}
ours_add=$(runs "$bench" tracks "$long" "$work/ours" --every 2)
sox_add=$(runs sox_tracks)
cmp -s "$work/ours/track07.wav" "$work/sox/track07.wav" || echo "track07 differs from sox's" >&2

printf 'find pauses:   %6.2f s  ffmpeg silencedetect %6.2f s  ratio %.2fx\n' "$ours_find" "$ffmpeg_find" \
  "$(echo "$ours_find / $ffmpeg_find" | bc -l)"
printf 'add 30 tracks: %6.2f s  sox trim x30         %6.2f s  ratio %.2fx\n' "$ours_add" "$sox_add" \
  "$(echo "$ours_add / $sox_add" | bc -l)"
