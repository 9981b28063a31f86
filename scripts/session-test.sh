#!/usr/bin/env bash
# Runs the log-off test program in a Wine prefix, server and display of its
# own. A log-off ends every windowed process on its server, and once a server
# had ended its session, every later Wine start on the same display was seen
# to take a second longer: nothing of it may touch the other tests.
#   scripts/session-test.sh PREFIX PROGRAM
set -uo pipefail
. "$(dirname "$0")/wine-session.sh"

export WINEPREFIX=$(realpath "$1")
trap stop_wine_and_display EXIT
start_display 141 || exit 1
warm_wine
/usr/lib/wine/wine64 "$2"
