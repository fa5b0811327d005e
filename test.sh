#!/usr/bin/env bash
# Builds the book and runs every test, first in the optimised build, then once more with
# AddressSanitizer and UndefinedBehaviorSanitizer watching. On a fresh Debian 12 machine, run as
# root: it installs whatever it needs first.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh
for preset in default sanitize; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
