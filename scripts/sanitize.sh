#!/usr/bin/env bash
# Builds monocl and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (gcc, RelWithDebInfo) in build/asan and runs every test there. Any report
# fails the run: UB aborts at once, and LeakSanitizer stays on.
#
#   scripts/sanitize.sh [CTEST_ARGS...]     e.g. scripts/sanitize.sh -R Forecast
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/asan
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER="${MONOCL_SANITIZE_CXX:-g++}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=ON \
    -DMONOCL_SANITIZE=ON

# Also in force while building: test discovery runs the test binaries.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

cmake --build "$build"
ctest --test-dir "$build" --output-on-failure --timeout 900 --parallel 2 "$@"
