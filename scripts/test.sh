#!/usr/bin/env bash
# Installs what is missing, then runs the workflow preset of each tree
# (CMakePresets.json: configure, build, test): the unit tests and short fuzz
# runs natively, the i686 velk.exe built only, and the Windows tiers under
# Wine (win, e2e over the shipped velk.exe, soak, layers), whose tree also
# builds the x86_64 velk.exe in its own. Extra arguments go to each
# workflow; fails when any of them fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
# Every build, the nested ones too, takes this many jobs.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"

failed=()
for workflow in host fuzz win32 win64; do
    cmake --workflow --preset "$workflow" "$@" || failed+=("$workflow")
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed workflows: ${failed[*]}"
    exit 1
fi
