#!/usr/bin/env bash
# Builds the soak program and runs it at full length under Wine in Xvfb:
# 10,000 repaints of the panel in each background mode, 1,000 reloads of the
# settings, 1,000 openings of each secondary window and of the settings
# dialog, 100,000 caption paints. It prints the live objects of each kind and
# the private memory before and after, and fails on any growth.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win64-tests >/dev/null
cmake --build --preset win64-tests --target soak -j "$(nproc)"
env=build/win64-tests/wine.env
. "$env"
scripts/wine-session.sh "$env" prefix "$build_prefix"
# A folder of its own: the soak writes velk.ini and its pictures beside itself.
mkdir -p build/win64-tests/soak
cp build/win64-tests/bin/soak.exe build/win64-tests/soak/
scripts/wine-session.sh "$env" with "$build_prefix" \
    "$wine64" build/win64-tests/soak/soak.exe 10000 1000 1000 100000
