#!/usr/bin/env bash
# Builds the four configurations and runs every test tier with CTest: unit
# tests and short fuzz runs natively, win, e2e and soak tests under Wine in
# sessions of their own that CTest starts and stops. Extra arguments go to
# each CTest run; fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
for preset in host fuzz win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j 2
done

failed=()
for preset in host fuzz win64; do
    ctest --preset "$preset" "$@" || failed+=("$preset")
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Tests failed in: ${failed[*]}"
    exit 1
fi
