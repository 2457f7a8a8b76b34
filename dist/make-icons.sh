#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG (needs rsvg-convert, Debian
# package librsvg2-bin). Run it after editing the SVG and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 48 128 256; do
  rsvg-convert -w "$size" -h "$size" -o "io.github.antkeys.antkeys-$size.png" io.github.antkeys.antkeys.svg
done
