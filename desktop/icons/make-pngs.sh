#!/bin/sh
# Makes the PNG icons from the SVG; their output is checked in, so building
# needs no SVG renderer. Run it after changing the SVG (rsvg-convert comes
# with the Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/hicolor"
for size in 16 24 32 48 64 128 256 512; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" scalable/apps/org.pelmora.Pelmora.svg -o "${size}x${size}/apps/org.pelmora.Pelmora.png"
done
