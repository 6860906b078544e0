#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite. With --sanitize, the tests
# are built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
directory=build/tests
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--sanitize" ]]; then
  directory=build/sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DPELMORA_SANITIZE=ON)
fi
cmake -S . -B "$directory" "${options[@]}" >/dev/null
cmake --build "$directory" -j2
cd "$directory"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
