#!/usr/bin/env bash
# Builds the benchmarks and runs them under Wine in Xvfb: the time to open
# the launch list over logs of 1,000, 10,000 and 100,000 lines, and the cost
# of one clock tick's repaint of the panel in each background mode, and of
# one paint of each caption bar.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target bench_list bench_paint bench_caption -j "$(nproc)"
scripts/wine-prefix.sh build/win64/wineprefix
scripts/with-wine.sh build/win64/wineprefix -- bash -c '
    /usr/lib/wine/wine64 build/win64/bin/bench_list.exe && echo &&
    /usr/lib/wine/wine64 build/win64/bin/bench_paint.exe && echo &&
    /usr/lib/wine/wine64 build/win64/bin/bench_caption.exe'

