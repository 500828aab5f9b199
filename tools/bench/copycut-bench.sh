#!/usr/bin/env bash
# Times `trevisto-bench copycut` of a 10-minute range of a 60-minute 128 kbit/s MP3
# against ffmpeg's stream copy of the same range and against decoding and encoding the
# range with mpg123 and lame, in one run; medians of five runs each, and the copy's
# largest resident size.
#
#   tools/bench/copycut-bench.sh BUILD/bin/trevisto-bench [LONG.mp3]
set -euo pipefail
bench=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
long=${2:-$work/long.mp3}
if [ ! -f "$long" ]; then
  sox -n -r 44100 -c 2 -b 16 -t wav - synth 3600 pinknoise vol 0.3 | lame --quiet -b 128 - "$long"
fi
from_ms=1500000 to_ms=2100000
from_s=1500 to_s=2100

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# Wall seconds of one run of the command.
timed() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
runs() { for _ in 1 2 3 4 5; do timed "$@"; done | median; }

cat "$long" >/dev/null # in the page cache for every contender
copy=$(runs "$bench" copycut "$long" "$work/copy.mp3" $from_ms $to_ms)
copy_nosync=$(runs "$bench" copycut --no-sync "$long" "$work/copy.mp3" $from_ms $to_ms)
ffmpeg_copy=$(runs ffmpeg -v error -y -ss $from_s -to $to_s -i "$long" -c copy "$work/ffmpeg.mp3")
skip_frames=$(( from_s * 44100 / 1152 )) count_frames=$(( (to_s - from_s) * 44100 / 1152 ))
lame_pipeline() {
  mpg123 -q -s -k $skip_frames -n $count_frames "$long" |
    lame --quiet -r -s 44.1 --bitwidth 16 --signed --little-endian -b 128 - "$work/lame.mp3"
}
lame=$(runs lame_pipeline)
rss=$(/usr/bin/time -f %M "$bench" copycut "$long" "$work/copy.mp3" $from_ms $to_ms 2>&1 >/dev/null | tail -1)
rss_small=$(/usr/bin/time -f %M "$bench" copycut "$long" "$work/copy.mp3" $from_ms $((from_ms + 60000)) 2>&1 >/dev/null | tail -1)

printf 'copycut (synced)          %.4f s\n' "$copy"
printf 'copycut (--no-sync)       %.4f s\n' "$copy_nosync"
printf 'ffmpeg -c copy            %.4f s\n' "$ffmpeg_copy"
printf 'mpg123 | lame -b 128      %.4f s\n' "$lame"
printf 'copycut/ffmpeg            %.2f (synced)  %.2f (--no-sync)\n' "$(echo "$copy / $ffmpeg_copy" | bc -l)" \
  "$(echo "$copy_nosync / $ffmpeg_copy" | bc -l)"
printf 'lame/copycut              %.0fx (synced)  %.0fx (--no-sync)\n' "$(echo "$lame / $copy" | bc -l)" \
  "$(echo "$lame / $copy_nosync" | bc -l)"
printf 'copycut max RSS           %s KiB (10 min), %s KiB (1 min)\n' "$rss" "$rss_small"
"$bench" copycut --no-sync "$long" "$work/copy.mp3" $from_ms $to_ms
