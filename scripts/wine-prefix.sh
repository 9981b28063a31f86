#!/usr/bin/env bash
# Makes the Wine prefix of a build folder once, with the settings the program
# and its tests need, and leaves a ready prefix alone.
#   scripts/wine-prefix.sh PREFIX
set -euo pipefail
trap 'echo "wine-prefix.sh: line $LINENO failed (exit $?)" >&2' ERR

prefix=$(realpath -m "$1")
stamp="$prefix/.velk-ready"
[ -f "$stamp" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
rm -rf "$prefix"
mkdir -p "$prefix"
"$wine" wineboot -i </dev/null >/dev/null 2>&1
# wineboot may return while the server still writes the new prefix.
/usr/lib/wine/wineserver -w
mkdir -p "$prefix/drive_c/windows/Fonts"

# Without a window manager Wine would otherwise treat captioned windows as
# decorated by one: self-painted captions vanish and every close stalls.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# Debian's Wine does not load its own TrueType fonts (Marlett among them)
# unless they lie in the prefix; the raster .fon faces lack Polish letters.
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
for face in Arial "MS Sans Serif"; do
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "Liberation Sans" /f >/dev/null 2>&1
done
/usr/lib/wine/wineserver -w
touch "$stamp"
