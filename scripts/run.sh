#!/usr/bin/env bash
# Builds velk.exe and starts it from a demo folder. With a display the panel
# opens there; without one it runs in Xvfb for a few seconds, a screenshot of
# the desktop is saved and its path printed, and the panel is closed the way
# a user would close it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target velk -j 2

demo=build/demo
mkdir -p "$demo"
cp build/win64/bin/velk.exe "$demo/"
cp demo/velk.ini "$demo/"
cp dist/pomoc.html "$demo/"
. build/win64/wine.env

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX=$PWD/build/win64/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    exec "$wine64" "$demo/velk.exe"
fi

screenshot=$PWD/$demo/velk-screenshot.png
export wine64
scripts/wine-session.sh build/win64/wine.env with build/win64/wineprefix bash -c '
    "$wine64" "$1/velk.exe" </dev/null >/dev/null 2>&1 &
    panel=$!
    sleep 4
    import -window root "$2"
    # taskkill without /f sends WM_CLOSE: the panel closes as by its close box.
    "$wine64" taskkill /im velk.exe </dev/null >/dev/null 2>&1
    wait "$panel"
' run "$demo" "$screenshot"
echo "Screenshot of the panel: $screenshot"
