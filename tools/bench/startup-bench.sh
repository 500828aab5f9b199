#!/usr/bin/env bash
# Times how long the program takes to put its window on screen, against a minimal Qt
# window on the same display server in the same run: each start on a fresh Xvfb, from
# the process's start to the window being mapped (seen by polling the display), ROUNDS
# rounds, the medians compared.
#
#   tools/bench/startup-bench.sh [ROUNDS]     (default 15; run from the tree's top folder
#                                              after scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/../.."
rounds=${1:-15}
bin=build/bin
[ -x "$bin/trevisto" ] && [ -x "$bin/trevisto-minimalwindow" ] || {
  echo "build first: bash scripts/build.sh" >&2
  exit 2
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Milliseconds from starting COMMAND until a visible window titled TITLE exists.
time_shown() {
  local title=$1
  shift
  Xvfb :77 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  for _ in $(seq 100); do xdpyinfo -display :77 >/dev/null 2>&1 && break; sleep 0.05; done
  rm -rf "$work/prefix"
  local began
  began=$(date +%s%N)
  DISPLAY=:77 TREVISTO_PREFIX="$work/prefix" SDL_AUDIODRIVER=dummy "$@" >/dev/null 2>&1 &
  local program=$!
  until DISPLAY=:77 xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    if ! kill -0 "$program" 2>/dev/null || [ $(($(date +%s%N) - began)) -gt 20000000000 ]; then
      echo "$* showed no window titled \"$title\" within 20 s" >&2
      kill "$program" "$xvfb" 2>/dev/null
      exit 1
    fi
  done
  echo $((($(date +%s%N) - began) / 1000000))
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null || true
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

: >"$work/minimal"
: >"$work/program"
for _ in $(seq "$rounds"); do
  time_shown "minimal window" "$bin/trevisto-minimalwindow" >>"$work/minimal"
  time_shown "Trevisto MP3 Editor" "$bin/trevisto" >>"$work/program"
done
m=$(median <"$work/minimal")
p=$(median <"$work/program")
echo "minimal Qt window: median $m ms of $rounds starts ($(tr '\n' ' ' <"$work/minimal"))"
echo "trevisto:          median $p ms of $rounds starts ($(tr '\n' ' ' <"$work/program"))"
awk -v p="$p" -v m="$m" 'BEGIN { printf "ratio: %.2fx\n", p / m }'
