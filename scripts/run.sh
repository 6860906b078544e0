#!/usr/bin/env bash
# Sets up, builds and starts the sky clock. Arguments go to the program,
# which starts in the caller's folder, so relative file names mean there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
quietly() {  # runs a build step, showing its output only when it fails
  if ! "$@" >"$log" 2>&1; then
    cat "$log" >&2
    echo "run: the build failed" >&2
    exit 1
  fi
}
[[ -x "$root/build/release/pelmora" ]] || echo "run: building (the first build takes a few minutes)" >&2
quietly cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=OFF
quietly cmake --build "$root/build/release" -j2 --target pelmora
rm -f "$log"
trap - EXIT
exec "$root/build/release/pelmora" "$@"
