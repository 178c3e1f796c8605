#!/usr/bin/env bash
# Renders the PNG sizes of the monocl icon from monocl.svg with ImageMagick.
# Run again after changing the SVG; the PNGs are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"
sizes=(16 24 32 48 64 128 256)
mkdir -p png
for s in "${sizes[@]}"; do
    # Rasterised at 4x, then scaled down, for smooth edges at the small sizes.
    convert -background none -density $((4 * 72 * s / 256)) monocl.svg \
        -resize "${s}x${s}" -depth 8 -strip "PNG32:png/monocl-${s}.png"
done
