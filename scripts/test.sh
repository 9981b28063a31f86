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
# Copies of the test prefix for the tests that need a server of their own:
# hard links make the copy instant. The Wine server writes its registry
# files in place, so those are copied for real.
copy_prefix() {
    [ -f "$1/.velk-ready" ] && return 0
    rm -rf "$1"
    cp -al build/win64/wineprefix "$1"
    for file in build/win64/wineprefix/*.reg; do cp --remove-destination "$file" "$1/"; done
}
copy_prefix build/win64/wineprefix-session
# A display of 144 dpi (150 %): the user's LogPixels, which a new prefix does
# not have yet, and the font cache's copy of it.
if [ ! -f build/win64/wineprefix-144/.velk-ready ]; then
    copy_prefix build/win64/wineprefix-144
    sed -i -e '/^"LogPixels"=/d' \
        -e '/^\[Control Panel\\\\Desktop\]/{n;s/$/\n"LogPixels"=dword:00000090/}' \
        -e '/^\[Software\\\\Wine\\\\Fonts\]/{n;s/$/\n"LogPixels"=dword:00000090/}' \
        build/win64/wineprefix-144/user.reg
fi

# One CTest run over the three test trees, so one summary ends the output.
mkdir -p build/all
cat > build/all/CTestTestfile.cmake <<CTEST
subdirs("$root/build/host" "$root/build/fuzz" "$root/build/win64")
CTEST

exec scripts/with-wine.sh build/win64/wineprefix -- \
    ctest --test-dir build/all --output-on-failure -j "$jobs" "$@"
