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

# The suite must neither read nor change the user's settings: it runs with a
# home of its own in which a chosen language is planted where the program
# keeps it, and where earlier versions kept it; both must come through
# unchanged.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config"
planted=("$XDG_CONFIG_HOME/monocl/monocl.conf" "$XDG_CONFIG_HOME/Unknown Organization/monocl.conf")
for f in "${planted[@]}"; do
    mkdir -p "$(dirname "$f")"
    printf '[General]\nlanguage=en\n' >"$f"
done
check_planted() {
    for f in "${planted[@]}"; do
        if [[ "$(cat "$f" 2>/dev/null)" != $'[General]\nlanguage=en' ]]; then
            echo "The tests changed the user's settings file $f" >&2
            exit 1
        fi
    done
    echo "The user's settings are unchanged."
}

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure --timeout 600 --parallel 2
check_planted
if $quick; then
    exit 0
fi

bash scripts/sanitize.sh
check_planted
bash scripts/fuzz.sh "${MONOCL_FUZZ_SECONDS:-20}"
