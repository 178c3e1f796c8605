#!/bin/sh
# Builds the picture generator and redraws the two pictures into the given
# directory (resources/ of this repository by default).
set -e
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../resources}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O1 -Wall -Wextra -Wpedantic -fPIC "$here/make_pictures.cpp" \
    -o "$work/make_pictures" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/make_pictures" "$work"

# The measuring scheme is kept as an 8-bit palette image.
convert "$work/measuring_scheme.png" -strip PNG8:"$out/measuring_scheme.png"
cp "$work/monocle_scheme.png" "$out/monocle_scheme.png"
