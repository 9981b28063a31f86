#!/usr/bin/env bash
# Makes the release in build/dist: velk-<version>-win64.zip and -win32.zip,
# each holding velk/velk.exe, velk/velk.ini, velk/CZYTAJMNIE.txt and
# velk/pomoc.html, and SHA256SUMS over both. The dist target of the win64
# build (cmake/dist.cmake) builds both velk.exe files, makes the zips and
# checks them; it signs both velk.exe files when VELK_SIGN_PFX and
# VELK_SIGN_PASSWORD_FILE name a certificate (README, "Making a release").
set -euo pipefail
# The build runs elsewhere: the certificate's files as named from here.
for name in VELK_SIGN_PFX VELK_SIGN_PASSWORD_FILE; do
    [ -z "${!name:-}" ] || export "$name=$(realpath -- "${!name}")"
done
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win64 >/dev/null
# Both builds, the outer one and the i686 one it drives, take this many jobs.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
cmake --build --preset win64 --target dist
