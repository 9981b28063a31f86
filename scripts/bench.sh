#!/usr/bin/env bash
# Builds the launch list benchmark and runs it under Wine in Xvfb: the time
# to open the list over logs of 1,000, 10,000 and 100,000 lines.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target bench_list -j "$(nproc)"
scripts/wine-prefix.sh build/win64/wineprefix
scripts/with-wine.sh build/win64/wineprefix /usr/lib/wine/wine64 build/win64/bin/bench_list.exe
