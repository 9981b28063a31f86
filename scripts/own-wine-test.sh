#!/usr/bin/env bash
# Runs a test program in a Wine prefix, server and display of its own: the
# log-off test (a log-off ends every windowed process on its server, and
# once a server had ended its session, every later Wine start on the same
# display was seen to take a second longer) and the tests of another dpi.
#   scripts/own-wine-test.sh PREFIX DISPLAY-NUMBER PROGRAM
set -uo pipefail
. "$(dirname "$0")/wine-session.sh"

export WINEPREFIX=$(realpath "$1")
trap stop_wine_and_display EXIT
start_display "$2" || exit 1
warm_wine
/usr/lib/wine/wine64 "$3"
