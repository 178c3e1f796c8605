#!/usr/bin/env bash
# Builds monocl with its tests and runs every test: the Release suite (unit,
# window and soak tests), the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short run of each fuzz target.
#
#   scripts/test.sh           everything (what CI runs)
#   scripts/test.sh --quick   the Release build and its suite only
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
if [[ "${1:-}" == "--quick" ]]; then
    quick=true
fi
scripts/setup-debian.sh --tests

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure --timeout 600 --parallel 2
if $quick; then
    exit 0
fi

bash scripts/sanitize.sh
bash scripts/fuzz.sh "${MONOCL_FUZZ_SECONDS:-20}"
