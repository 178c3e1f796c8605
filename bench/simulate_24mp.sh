#!/bin/bash
# The photograph of a 24-megapixel picture (6000 x 4000) from the command
# line: wall time, CPU time and peak memory of `monocl --simulate`, each of
# RUNS runs, and their medians. The picture is made here: an 8-bit PNG of
# bars and points of light on grey.
#
#   bash bench/simulate_24mp.sh [RUNS] [BUILD]      (RUNS 3, BUILD build)
set -euo pipefail

runs=${1:-3}
build=${2:-build}
monocl=$build/monocl
[[ -x $monocl ]] || { echo "missing $monocl: build the project first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

python3 - "$work/in.png" <<'PY'
import struct, sys, zlib
w, h = 6000, 4000
rows = []
for y in range(h):
    row = bytearray(b"\x60" * (3 * w))
    if (y // 40) % 4 == 0:
        for x in range(0, w, 80):
            row[3 * x:3 * x + 60] = b"\xff" * 60
    if y % 250 == 0:
        for x in range(125, w, 250):
            row[3 * x:3 * x + 3] = b"\xff\xff\xff"
    rows.append(b"\0" + bytes(row))
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b"")
open(sys.argv[1], "wb").write(png)
PY

python3 - "$runs" "$monocl" "$work" <<'PY'
import os, statistics, subprocess, sys, time
runs, monocl, work = int(sys.argv[1]), sys.argv[2], sys.argv[3]
walls, cpus, rss = [], [], []
for _ in range(runs):
    start = time.perf_counter()
    child = subprocess.Popen([monocl, "--simulate", work + "/in.png", work + "/out.png"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(child.pid, 0)
    walls.append(time.perf_counter() - start)
    cpus.append(usage.ru_utime + usage.ru_stime)
    rss.append(usage.ru_maxrss / 1024)
    if status != 0 or not os.path.exists(work + "/out.png"):
        sys.exit("monocl --simulate failed: " + child.stderr.read().decode())
    os.remove(work + "/out.png")
print("24 MP --simulate: wall %.1f s, CPU %.1f s, peak RSS %.0f MiB (medians of %d)"
      % (statistics.median(walls), statistics.median(cpus), statistics.median(rss), runs))
PY
