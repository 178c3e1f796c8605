#!/usr/bin/env bash
# Builds monocl and its tests with gcov instrumentation (gcc, Debug) in
# build/coverage, runs every test and prints the line coverage of the Qt-free
# layers (errors/, format/, core/, texts/). Only a failing test fails it; the figures are a report.
#
#   scripts/coverage.sh [GCOVR_ARGS...]
#
# Arguments go to gcovr, e.g. --fail-under-line 90 to require a minimum, or
# --html-details build/coverage/index.html for a browsable report.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/coverage
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER="${MONOCL_COVERAGE_CXX:-g++}" \
    -DCMAKE_BUILD_TYPE=Debug \
    -DBUILD_TESTING=ON \
    -DMONOCL_COVERAGE=ON
cmake --build "$build"

# Counts of an earlier run would add up with this one.
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" --output-on-failure --timeout 900 --parallel 2

# gcov of the compiler that built it.
gcov=gcov
cxx=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
version=$("$cxx" -dumpversion 2>/dev/null | cut -d. -f1 || true)
if [[ -n "$version" ]] && command -v "gcov-$version" >/dev/null; then
    gcov="gcov-$version"
fi

gcovr --root . --object-directory "$build" --gcov-executable "$gcov" \
    --filter 'errors/' --filter 'format/' --filter 'core/' --filter 'texts/' \
    --exclude-unreachable-branches --exclude-throw-branches \
    --print-summary "$@" "$build"
