#!/usr/bin/env bash
# Runs a command with a display and a warm Wine server for the given prefix,
# and stops everything it started afterwards, also when the command fails.
#   scripts/with-wine.sh PREFIX COMMAND...
set -uo pipefail

export WINEPREFIX=$(realpath "$1") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
shift
wineserver=/usr/lib/wine/wineserver

xvfb_pid=
cleanup() {
    "$wineserver" -k 2>/dev/null
    "$wineserver" -w 2>/dev/null
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
"$wineserver" -p
/usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1
"$@"
