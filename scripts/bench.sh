#!/usr/bin/env bash
# Builds the benchmarks and prints one table under Wine in Xvfb: the shipped
# velk.exe against the bare panel (start to a visible window and to input
# idle, memory, idle CPU, size), the settings dialog's opening, the launch
# list's opening over logs of 1,000, 10,000 and 100,000 lines, a clock tick's
# repaint in each background mode and one paint of each caption bar.
#   BENCH_RUNS (default 10) starts of each program; BENCH_IDLE_SECONDS
#   (default 60) of idle clock.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
cmake --preset win64-tests >/dev/null
cmake --build --preset win64-tests --target bench_start bench_list bench_paint bench_caption
echo "load before the bench: $(uptime)"
env=build/win64-tests/wine.env
. "$env"
scripts/wine-session.sh "$env" prefix "$build_prefix"
export wine64
scripts/wine-session.sh "$env" with "$build_prefix" bash -c '
    "$wine64" build/win64-tests/bin/bench_start.exe &&
    "$wine64" build/win64-tests/bin/bench_list.exe &&
    "$wine64" build/win64-tests/bin/bench_paint.exe &&
    "$wine64" build/win64-tests/bin/bench_caption.exe'
