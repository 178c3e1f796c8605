#!/usr/bin/env bash
# Takes design.png, the AppStream screenshot of the metainfo file: the window
# as it starts, in Russian with a decimal comma, on the tab «Расчет», framed
# by openbox on a virtual X server. Needs the Debian packages xvfb, openbox,
# x11-utils and imagemagick, the locale ru_RU.UTF-8 and a built program:
#     packaging/screenshots/take-screenshot.sh [path of monocl]
# (default build/release/monocl of this tree). Run again after the window
# changes; the PNG is kept in the repository. The program runs with a home
# folder of its own, so it neither reads nor writes your settings.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "${1:-$here/../../build/release/monocl}")
out=$here/design.png
display=:55
tmp=$(mktemp -d)
pids=()
cleanup()
{
    ((${#pids[@]} == 0)) || kill "${pids[@]}" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# The screen is larger than the window, which would otherwise open at the
# screen's size and scroll.
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 2
DISPLAY=$display HOME=$tmp openbox >/dev/null 2>&1 &
pids+=($!)
sleep 2
DISPLAY=$display HOME=$tmp XDG_CONFIG_HOME=$tmp/.config LC_ALL=ru_RU.UTF-8 "$program" 2>/dev/null &
pids+=($!)
sleep 5

# The window with openbox's frame: the frame is the parent of the window
# whose class is ("monocl" "monocl"), one level up in the tree.
DISPLAY=$display xwininfo -root -tree >"$tmp/tree.txt"
geometry=$(awk '
    /"monocl" "monocl"/ { print previous; exit }
    /^ +0x[0-9a-f]+ / { previous = $0 }' "$tmp/tree.txt" | grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | head -1)
DISPLAY=$display import -window root "$tmp/screen.png"
convert "$tmp/screen.png" -crop "$geometry" +repage -strip "$out"
echo "Wrote $out ($geometry)"
