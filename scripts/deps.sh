#!/usr/bin/env bash
# Installs what building, running and testing need, once; quick when all of
# it is present. Never wine32: 32-bit programs cannot run on these machines.
set -euo pipefail

packages=(cmake make g++ googletest libgtest-dev g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 libwine fonts-wine fonts-liberation xvfb xauth imagemagick
          clang-14 libclang-rt-14-dev zip osslsigncode openssl)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
