#!/bin/bash
# Whole-process timings of monocl beside bare Qt programs of the same kind,
# alternated in one run, as the machine is noisy; prints each case's medians,
# the program's against the reference's, and their ratio.
#
#   bash bench/whole_process.sh [RUNS] [BUILD]      (RUNS 15, BUILD build)
#
#   first frame  monocl's window against an empty QMainWindow of the same
#                size, from exec to the first painted frame on X11 (an Xvfb
#                of its own): wall and CPU time, peak RSS
#   frame/texts  the same against a window of that size that shows only the
#                first frame's texts, in its fonts (whole_process/
#                first_frame_texts.tsv): what the window costs beyond them
#   texts/empty  that window of texts against the empty one: what the texts
#                alone cost
#   --csv        `monocl --csv OUT` against a QCoreApplication writing a CSV
#                of the same lines and bytes
#   --version    `monocl --version`, the floor of any run of the program
#   --report     `monocl --report OUT.pdf` against a QGuiApplication writing a
#                one-page PDF of a heading and a table (both offscreen)
set -euo pipefail

runs=${1:-15}
build=${2:-build}
bench=$build/bench
monocl=$build/monocl
here=$(dirname "$0")
texts=$here/whole_process/first_frame_texts.tsv
for f in "$monocl" "$bench/monocl_bare_main_window" "$bench/monocl_bare_text_window" "$texts" \
         "$bench/monocl_bare_csv_writer" \
         "$bench/monocl_bare_pdf_writer" "$bench/libmonocl_first_frame_exit.so"; do
    [[ -e $f ]] || { echo "missing $f: build the project with BUILD_TESTING=ON" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A home of the run's own: the program's settings are not the user's.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

display=
for n in $(seq 50 70); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=$n; break; fi
done
[[ -n $display ]] || { echo "no free X display in 50..70" >&2; exit 1; }
Xvfb ":$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done

# One run of a command: "wall cpu rssMiB" (seconds, seconds, MiB), to the
# microsecond (GNU time gives hundredths).
measure() {
    python3 -c '
import os, subprocess, sys, time
start = time.perf_counter()
child = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
_, _, usage = os.wait4(child.pid, 0)
wall = time.perf_counter() - start
print("%.4f %.4f %.1f" % (wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024))
' "$@"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Alternates two commands RUNS times; prints the medians and the ratios.
compare() {
    local name=$1 program=$2 reference=$3
    : >"$work/a"; : >"$work/b"
    for _ in $(seq "$runs"); do
        eval "measure $program" >>"$work/a"
        eval "measure $reference" >>"$work/b"
    done
    local column label
    for column in 1 2 3; do
        label=$(echo "wall_s cpu_s peak_rss_MiB" | cut -d' ' -f$column)
        local a b
        a=$(cut -d' ' -f$column "$work/a" | median)
        b=$(cut -d' ' -f$column "$work/b" | median)
        awk -v n="$name" -v l="$label" -v a="$a" -v b="$b" \
            'BEGIN { printf "%-15s %-13s %8.4f  against %8.4f  ratio %5.2f\n", n, l, a, b, (b > 0 ? a / b : 0) }'
    done
}

hook=$(realpath "$bench/libmonocl_first_frame_exit.so")
frame_env="env DISPLAY=:$display QT_QPA_PLATFORM=xcb LD_PRELOAD=$hook"

# The size of monocl's first frame, for the reference's window.
env DISPLAY=":$display" QT_QPA_PLATFORM=xcb LD_PRELOAD="$hook" "$monocl" 2>"$work/size" >/dev/null || true
size=$(grep -o 'first frame [0-9]*x[0-9]*' "$work/size" | grep -o '[0-9]*x[0-9]*' || true)
[[ -n $size ]] || { echo "monocl showed no frame:" >&2; cat "$work/size" >&2; exit 1; }
echo "first frame of $size on Xvfb :$display, $runs runs each, alternated"
compare "first frame" "$frame_env $monocl" "$frame_env $bench/monocl_bare_main_window ${size%x*} ${size#*x}"
text_window="$frame_env $bench/monocl_bare_text_window ${size%x*} ${size#*x} $texts"
compare "frame/texts" "$frame_env $monocl" "$text_window"
compare "texts/empty" "$text_window" "$frame_env $bench/monocl_bare_main_window ${size%x*} ${size#*x}"

"$monocl" --csv "$work/monocl.csv"
lines=$(wc -l <"$work/monocl.csv")
bytes=$(wc -c <"$work/monocl.csv")
echo "--csv: $lines lines, $bytes bytes"
compare "--csv" "$monocl --csv $work/out.csv" "$bench/monocl_bare_csv_writer $work/bare.csv $lines $bytes"
compare "--csv/--version" "$monocl --csv $work/out.csv" "$monocl --version"
compare "--report" "env QT_QPA_PLATFORM=offscreen $monocl --report $work/out.pdf" \
    "env QT_QPA_PLATFORM=offscreen $bench/monocl_bare_pdf_writer $work/bare.pdf"
