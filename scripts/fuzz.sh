#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#
# SECONDS_PER_TARGET defaults to 30; the targets default to all five. Each
# target runs on a copy of its seed corpus under fuzz/corpus/, so the
# committed seeds never grow. A crash, a failed check or a leak fails the
# script; the input that caused it is kept in build/fuzz/artifacts/.
# Extra libFuzzer flags can be given in FUZZ_FLAGS (e.g. FUZZ_FLAGS=-only_ascii=1),
# another clang in MONOCL_FUZZ_CXX.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(fuzz_parse fuzz_format fuzz_solver fuzz_forecast fuzz_texts)
fi
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 [SECONDS_PER_TARGET] [TARGET...]" >&2
    exit 2
fi

build=build/fuzz
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER="${MONOCL_FUZZ_CXX:-clang++}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF \
    -DMONOCL_FUZZ=ON >/dev/null
# The fuzz targets only: the window is not needed here.
cmake --build "$build" --target "${targets[@]}"

artifacts="$build/artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Stop at the first UB report, and keep the default leak check.
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

declare -A runs
failed=()
for t in "${targets[@]}"; do
    corpus="$work/$t"
    mkdir -p "$corpus"
    cp -R "fuzz/corpus/$t/." "$corpus/"
    log="$build/$t.log"
    echo "== $t: ${seconds}s"
    status=0
    # shellcheck disable=SC2086 # FUZZ_FLAGS is a list of flags
    "$build/fuzz/$t" "$corpus" \
        -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -max_len=512 \
        -print_final_stats=1 \
        -artifact_prefix="$artifacts/$t-" \
        ${FUZZ_FLAGS:-} >"$log" 2>&1 || status=$?
    count=$(grep -Eo 'Done [0-9]+ runs' "$log" | tail -1 | grep -Eo '[0-9]+' || true)
    if [[ -z "$count" ]]; then
        # Stopped early: the last status line tells how far it got.
        count=$(grep -Eo '^#[0-9]+' "$log" | tail -1 | tr -d '#' || true)
        count="${count:-0} (stopped)"
    fi
    runs[$t]=$count
    if ((status != 0)); then
        failed+=("$t")
        echo "$t FAILED (exit $status); log: $log"
        grep -E '^\*\*\*|ERROR: |SUMMARY: |runtime error|Test unit written' "$log" | head -20 || true
    else
        echo "$t: ${runs[$t]} runs"
    fi
done

echo
echo "Executions per target (${seconds}s each):"
for t in "${targets[@]}"; do
    printf '  %-14s %s\n' "$t" "${runs[$t]}"
done
if ((${#failed[@]} > 0)); then
    echo "FAILED: ${failed[*]}" >&2
    exit 1
fi
