#!/usr/bin/env bash
# Builds the shipped velk.exe and starts it from a demo folder. With a
# display the panel opens there; without one it runs in Xvfb for a few
# seconds, a screenshot of the desktop is saved and its path printed, and the
# panel is closed the way a user would close it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target velk -j "$(nproc)"
# The test tree knows where Wine is and makes the prefix.
cmake --preset win64-tests >/dev/null
env=build/win64-tests/wine.env
. "$env"
scripts/wine-session.sh "$env" prefix "$build_prefix"

demo=build/demo
mkdir -p "$demo"
cp build/win64/bin/velk.exe "$demo/"
cp demo/velk.ini "$demo/"
cp dist/pomoc.html "$demo/"

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX=$build_prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    exec "$wine64" "$demo/velk.exe"
fi

screenshot=$PWD/$demo/velk-screenshot.png
export wine64
scripts/wine-session.sh "$env" with "$build_prefix" bash -c '
    "$wine64" "$1/velk.exe" </dev/null >/dev/null 2>&1 &
    panel=$!
    sleep 4
    import -window root "$2"
    # taskkill without /f sends WM_CLOSE: the panel closes as by its close box.
    "$wine64" taskkill /im velk.exe </dev/null >/dev/null 2>&1
    wait "$panel"
' run "$demo" "$screenshot"
echo "Screenshot of the panel: $screenshot"
