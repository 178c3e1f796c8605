#!/usr/bin/env bash
# Takes design.png, the AppStream screenshot of the metainfo file: the window
# as it starts, on the tab «Расчет», on a virtual X server. Needs the Debian
# packages xvfb, xauth, x11-apps, x11-utils and netpbm, and a built program:
#     packaging/screenshots/take-screenshot.sh [path of monocl]
# (default build/release/monocl of this tree). Run again after the window changes; the PNG
# is kept in the repository.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "${1:-$here/../../build/release/monocl}")
out=$here/design.png
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cat >"$tmp/grab.sh" <<'GRAB'
#!/usr/bin/env bash
set -euo pipefail
LC_ALL=C.UTF-8 "$1" 2>/dev/null &
pid=$!
sleep 4
# The main window is the one whose class is ("monocl" "monocl").
id=$(xwininfo -root -tree | awk '/\("monocl" "monocl"\)/ {print $1; exit}')
xwd -silent -id "$id" >"$2"
kill "$pid"
GRAB
xvfb-run -a -s "-screen 0 1600x1200x24" bash "$tmp/grab.sh" "$program" "$tmp/window.xwd"
xwdtopnm "$tmp/window.xwd" 2>/dev/null | pnmtopng -compression 9 >"$out"
echo "Wrote $out"
