#!/usr/bin/env bash
# Draws the metainfo's screenshots with the program itself, headless, each
# at the picture's size and at twice it: the same options always give the
# same bytes.
# usage: desktop/make-screenshots.sh PROGRAM [FOLDER]   (FOLDER: docs/screenshots)
set -euo pipefail
program=${1:?usage: make-screenshots.sh PROGRAM [FOLDER]}
folder=${2:-$(dirname "$0")/../docs/screenshots}
mkdir -p "$folder"
shoot() {
  local name=$1
  shift
  "$program" "$@" --snapshot "$folder/$name.png"
  "$program" "$@" --scale 2 --snapshot "$folder/$name-2x.png"
}
shoot simulation --at "2026-12-07 06:00" --script "tick*120"
shoot clock --at "2026-12-07 21:30" --clock-mode --script "wait:90 tick*4"
