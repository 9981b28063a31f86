#!/usr/bin/env bash
# Runs a command with a display and warm Wine servers for the given prefixes
# (the first one is the command's own), and stops everything it started
# afterwards, also when the command fails.
#   scripts/with-wine.sh PREFIX [PREFIX...] -- COMMAND...
#   scripts/with-wine.sh PREFIX COMMAND...
set -uo pipefail

prefixes=()
if [[ " $* " == *" -- "* ]]; then
    while [ "$1" != "--" ]; do prefixes+=("$(realpath "$1")"); shift; done
else
    prefixes+=("$(realpath "$1")")
fi
shift
[ "${1:-}" = "--" ] && shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=/usr/lib/wine/wineserver

xvfb_pid=
cleanup() {
    for prefix in "${prefixes[@]}"; do
        WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null
        WINEPREFIX=$prefix "$wineserver" -w 2>/dev/null
    done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    return 0
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
    for number in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
        export DISPLAY=":$number"
        break
    done
fi

# Started and warmed before the command: Wine's system processes would
# otherwise inherit the first test's output pipe and hold it open.
for prefix in "${prefixes[@]}"; do
    WINEPREFIX=$prefix "$wineserver" -p
    WINEPREFIX=$prefix /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1
done
export WINEPREFIX=${prefixes[0]}
"$@"
