#!/usr/bin/env bash
# Builds velk.exe and starts it from a demo folder. With a display the panel
# opens there; without one it runs in Xvfb for a few seconds, a screenshot of
# the desktop is saved and its path printed, and the panel is closed the way
# a user would close it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target velk -j "$(nproc)"
scripts/wine-prefix.sh build/win64/wineprefix

demo=build/demo
mkdir -p "$demo"
cp build/win64/bin/velk.exe "$demo/"
cp demo/velk.ini "$demo/"

if [ -n "${DISPLAY:-}" ]; then
    exec scripts/with-wine.sh build/win64/wineprefix -- /usr/lib/wine/wine64 "$demo/velk.exe"
fi

screenshot=$PWD/$demo/velk-screenshot.png
scripts/with-wine.sh build/win64/wineprefix -- bash -c '
    /usr/lib/wine/wine64 "$1/velk.exe" </dev/null >/dev/null 2>&1 &
    panel=$!
    sleep 4
    import -window root "$2"
    # taskkill without /f sends WM_CLOSE: the panel closes as by its close box.
    /usr/lib/wine/wine64 taskkill /im velk.exe </dev/null >/dev/null 2>&1
    wait "$panel"
' run "$demo" "$screenshot"
echo "Screenshot of the panel: $screenshot"
