#!/usr/bin/env bash
# Runs a command with a display and a warm Wine server for the prefix, and
# stops everything it started afterwards, also when the command fails.
#   scripts/with-wine.sh PREFIX [--] COMMAND...
set -uo pipefail
. "$(dirname "$0")/wine-session.sh"

export WINEPREFIX=$(realpath "$1")
shift
[ "${1:-}" = "--" ] && shift

trap stop_wine_and_display EXIT
trap 'exit 130' INT TERM
[ -n "${DISPLAY:-}" ] || start_display 90
warm_wine
"$@"
