#!/usr/bin/env bash
# Measures the sky clock: the redraw pass (Google Benchmark, and
# instructions under callgrind) at the picture's own size and at other
# scales, the record the window redraws a new scale from, the window under a
# virtual X server (CPU, steps per second, start-up, memory; at its design
# size and full screen on large screens) and the memory of a long headless
# run.
# DURATION (seconds, default 60) sets how long each window mode is measured.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --bench
duration=${DURATION:-60}
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=OFF -DPELMORA_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j2 >/dev/null
program="$build/pelmora"
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
# The window as designed, whatever the user's settings say; its own go to the temporary folder.
export XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

echo "== Machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"

echo "== Redraw pass (median of 10 repetitions)"
"$build/bench/pelmora_bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
  --benchmark_color=false --benchmark_filter='Fast|Plain|ClockTick|Scaled|Record|NoPixels|TrueSky' 2>/dev/null |
  grep -E 'median|times'

echo "== The record after a full turn of the chart, and a rebuild at scale 2 from it"
"$build/bench/pelmora_bench" --benchmark_color=false --benchmark_filter='AFullTurn' 2>/dev/null | grep -E '^BM_'

echo "== Instructions per redraw pass (callgrind, simulation mode, headless)"
instructions() {  # $1: the script; then more options
  local script=$1
  shift
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$program" --at "2026-12-07 06:00" \
    --snapshot "$work/pass.png" ${script:+--script "$script"} "$@" 2>&1 | sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}
base=$(instructions "")
more=$(instructions "tick*1000")
design=$(( (more - base) / 1000 ))
echo "$design instructions per pass"
base=$(instructions "" --sky true --place Madrid)
more=$(instructions "tick*1000" --sky true --place Madrid)
true_sky=$(( (more - base) / 1000 ))
echo "$true_sky instructions per pass in the true sky for Madrid: $(awk -v t="$true_sky" -v d="$design" 'BEGIN {printf "%.2f", t / d}') times the design's (target at most 1.5)"

echo "== Memory of 100,000 headless simulation steps"
# One full turn of the chart is 2,880 steps: by then every label, text and
# position of the sky has been drawn once and laid out in the canvas.
rss() { /usr/bin/time -f %M "$program" --at "2026-12-07 06:00" --snapshot "$work/rss.png" --script "$1" 2>&1 >/dev/null | tail -1; }
small=$(rss "tick*1000")
turn=$(rss "tick*3000")
large=$(rss "tick*100000")
echo "peak resident set: ${small} KiB after 1,000 steps, ${turn} KiB after 3,000 (one turn), ${large} KiB after 100,000"
echo "growth over 100,000 steps: $((large - small)) KiB from 1,000 steps, $((large - turn)) KiB after the first turn"

echo "== Window under Xvfb, ${duration} s per mode"
start_screen() {  # $1: WIDTHxHEIGHT; starts a virtual X server with that screen, its display in $screen
  local number=$(( 90 + RANDOM % 100 ))
  while [[ -e /tmp/.X11-unix/X$number ]]; do number=$(( 90 + RANDOM % 100 )); done
  Xvfb ":$number" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
  sleep 1
  screen=":$number"
}
start_screen 1400x1100
display=$screen
export DISPLAY=$display
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# $1: what; $2: "click" to switch to clock mode first; $3: the program
# (default the sky clock); then the program's arguments. DISPLAY and
# QT_SCALE_FACTOR as set by the caller.
measure() {
  local what=$1 click=$2 command=${3:-$program}
  shift 3 || shift $#
  "$command" --stats "$@" 2>"$work/stats" &
  local pid=$!
  sleep 2
  if [[ "$click" == click ]]; then
    local window
    window=$(xdotool search --sync --name '^Pelmora10$' | head -1)
    xdotool mousemove --window "$window" 1148 52 click 1
    sleep 1
  fi
  local before after
  before=$(cpu_ticks "$pid")
  sleep "$duration"
  after=$(cpu_ticks "$pid")
  local rss_kib
  rss_kib=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill -TERM "$pid"
  wait "$pid" || true
  local hz
  hz=$(getconf CLK_TCK)
  echo "$what: CPU $(awk -v t=$((after - before)) -v hz="$hz" -v d="$duration" 'BEGIN {printf "%.2f", 100 * t / hz / d}') % of one core, resident $((rss_kib / 1024)) MB"
  grep '^pelmora: ' "$work/stats" | sed 's/^pelmora: /  /' || true
}
measure "simulation mode" none
measure "clock mode" click
measure "clock mode, true sky for Madrid" click "" --sky true --place Madrid
measure "reference: empty Qt window with a 15 ms timer" none "$build/bench/pelmora_timer_floor"

# Full screen on large screens: a 4K screen at 200 % (the picture at 2.2
# device pixels a pixel) and a screen that holds the design at 300 % (3).
start_screen 3840x2160
DISPLAY=$screen QT_SCALE_FACTOR=2 measure "simulation mode, full screen, 3840x2160 at 200 %" none "" --full-screen
start_screen 3816x2928
DISPLAY=$screen QT_SCALE_FACTOR=3 measure "simulation mode, full screen, 3816x2928 at 300 %" none "" --full-screen
