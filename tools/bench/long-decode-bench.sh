#!/usr/bin/env bash
# Times the conversion of long MP3s into the working file against mpg123 on the same input,
# in one run: an hour, and a day made by repeating the hour's frames. Checks that the PCM is
# mpg123's, and that other tools read the day's RF64 working file as 24 hours long.
#
#   tools/bench/long-decode-bench.sh [FOLDER]   (default: a temporary folder, removed after;
#                                                about 32 GB of disk at the peak)
set -euo pipefail
cd "$(dirname "$0")/../.."
bench=build/bin/trevisto-bench
[ -x "$bench" ] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
for tool in mpg123 lame sox ffprobe python3 cmp; do
  command -v $tool >/dev/null || { echo "missing: $tool (bash scripts/install-deps.sh bench)" >&2; exit 1; }
done
if [ $# -gt 0 ]; then work=$1; mkdir -p "$work"; else work=$(mktemp -d); trap 'rm -rf "$work"' EXIT; fi

# Five minutes of pink noise, encoded once, its audio frames repeated into longer files.
sox -q -n -r 44100 -c 2 -b 16 "$work/five.wav" synth 300 pinknoise vol 0.5
lame --quiet -b 128 "$work/five.wav" "$work/five.mp3"
rm "$work/five.wav"
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
b = open(f'{work}/five.mp3', 'rb').read()
pos = 10 + (b[6] << 21 | b[7] << 14 | b[8] << 7 | b[9]) if b[:3] == b'ID3' else 0
kbps = [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320]
frames = []
while pos + 4 <= len(b) and b[pos] == 0xFF and b[pos + 1] & 0xE0 == 0xE0:
    n = 144 * kbps[b[pos + 2] >> 4] * 1000 // [44100, 48000, 32000][b[pos + 2] >> 2 & 3] + (b[pos + 2] >> 1 & 1)
    frames.append((pos, n))
    pos += n
if b'Info' in b[frames[0][0]:frames[0][0] + 64] or b'Xing' in b[frames[0][0]:frames[0][0] + 64]:
    frames = frames[1:]
audio = b[frames[0][0]:frames[-1][0] + frames[-1][1]]
for name, times in (('hour', 12), ('day', 288)):
    with open(f'{work}/{name}.mp3', 'wb') as f:
        for _ in range(times):
            f.write(audio)
PY

measure() { # NAME COMMAND...: wall seconds and peak KiB
  local name=$1
  shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  read -r wall kb <"$work/time"
  printf '%-30s %8s s %9d KiB\n' "$name" "$wall" "$kb" >&2
  echo "$wall $kb"
}
ratio() { python3 -c "print(f'{$1 / $2:.3f}')"; }
# The sound of a WAV file, from its data chunk on (44-byte header, or RF64's 80).
same_pcm() {
  local a=$1 b=$2
  local oa=44 ob=44
  [ "$(head -c 4 "$a")" = RF64 ] && oa=80
  [ "$(head -c 4 "$b")" = RF64 ] && ob=80
  cmp -s <(tail -c +$((oa + 1)) "$a") <(tail -c +$((ob + 1)) "$b")
}

sync
read -r ours _ < <(measure "hour: trevisto-bench convert" "$bench" convert "$work/hour.mp3" "$work/ours.wav")
read -r peer _ < <(measure "hour: mpg123 -w" mpg123 -q -w "$work/peer.wav" "$work/hour.mp3")
same_pcm "$work/ours.wav" "$work/peer.wav" && echo "hour: identical PCM" || echo "hour: PCM DIFFERS"
echo "hour: ratio $(ratio "$ours" "$peer")"
rm -f "$work/ours.wav" "$work/peer.wav"

read -r ours kb < <(measure "day: trevisto-bench convert" "$bench" convert "$work/day.mp3" "$work/ours.wav")
echo "day: peak memory $((kb / 1024)) MiB, working file $(stat -c %s "$work/ours.wav") bytes, $(head -c 4 "$work/ours.wav")"
sox --i -d "$work/ours.wav" | sed 's/^/day: sox reads /'
ffprobe -v error -show_entries format=duration -of default=nw=1 "$work/ours.wav" | sed 's/^/day: ffprobe reads /'
rm -f "$work/ours.wav"
read -r peer _ < <(measure "day: mpg123 -w" mpg123 -q -w "$work/peer.wav" "$work/day.mp3")
echo "day: ratio $(ratio "$ours" "$peer")"
rm -f "$work/ours.wav" "$work/peer.wav"
