#!/usr/bin/env bash
# Sets up, builds and starts the sky clock. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=OFF >/dev/null
cmake --build build/release -j2 --target pelmora >/dev/null
exec build/release/pelmora "$@"
