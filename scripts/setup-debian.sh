#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing monocl
# need, when they are missing. Safe to run again.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config dpkg-dev
    qt6-base-dev qt6-translations-l10n fonts-liberation2 fonts-dejavu-core
    libgtest-dev libbenchmark-dev
    qt6-svg-dev qt6-tools-dev qt6-l10n-tools
    libfftw3-dev libfontconfig-dev
)
# The extra checks of the test script: sanitizers, fuzzers and coverage, and
# the validators of the AppStream metainfo and the desktop entry, and groff
# for the check of the manual page.
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(clang libclang-rt-14-dev gcovr appstream desktop-file-utils groff-base)
    # The report's tests read the PDF with poppler's tools.
    packages+=(poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "These packages are missing; install them as root: ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
