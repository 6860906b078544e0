#!/usr/bin/env bash
# Checks what a screen reader finds in the window: starts it in clock mode
# under a virtual X server with its own session bus and accessibility bus,
# and reads the chart through AT-SPI (scripts/read_chart_aloud.py): an
# object named "Sky chart" whose description changes with the clock.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --accessibility
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=OFF >/dev/null
cmake --build build/release -j2 --target pelmora >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work"
# The window as designed, whatever the user's settings say; its own go to the temporary folder.
export XDG_CONFIG_HOME="$work/config"
dbus-run-session -- bash -c '
  set -euo pipefail
  display=:$(( 200 + RANDOM % 100 ))
  Xvfb "$display" -screen 0 1400x1100x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  bus=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/release/pelmora --clock-mode 2>/dev/null &
  window=$!
  status=0
  /usr/bin/python3 scripts/read_chart_aloud.py || status=$?
  kill "$window" "$bus" "$xvfb" 2>/dev/null || true
  exit "$status"
'
