#!/usr/bin/env bash
# Builds the four configurations and runs every test tier through one CTest
# run: unit tests and short fuzz runs natively, win, e2e and soak tests under
# Wine in Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/deps.sh
jobs=$(nproc)
for preset in host fuzz win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done
scripts/wine-prefix.sh build/win64/wineprefix
# The log-off test's own prefix: hard links make the copy instant, and Wine
# replaces the files it changes rather than writing into them.
if [ ! -f build/win64/wineprefix-session/.velk-ready ]; then
    rm -rf build/win64/wineprefix-session
    cp -al build/win64/wineprefix build/win64/wineprefix-session
fi

# One CTest run over the three test trees, so one summary ends the output.
mkdir -p build/all
cat > build/all/CTestTestfile.cmake <<CTEST
subdirs("$root/build/host" "$root/build/fuzz" "$root/build/win64")
CTEST

exec scripts/with-wine.sh build/win64/wineprefix -- \
    ctest --test-dir build/all --output-on-failure -j "$jobs" "$@"
