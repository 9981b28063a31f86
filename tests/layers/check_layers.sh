#!/usr/bin/env bash
# What the build cannot check of the layers (the build compiles every
# header alone against its library's include roots, cmake/layers.cmake):
# every folder of program sources is a layer the link graph knows, no
# #include climbs out of a folder with "..", core/ holds no Windows (or other
# system C) header, and no program source file is longer than 450 lines.
# Prints each fault and fails when there is one.
#   tests/layers/check_layers.sh SOURCE-ROOT LAYER-FOLDER...
set -uo pipefail
cd "$1" || exit 2
shift
layers=" $* "
faults=0
fault() { echo "$1"; faults=$((faults + 1)); }

# The folders that hold sources, apart from the tests and the build trees.
for folder in $(find . \( -path ./build -o -path ./tests -o -path './.*' \) -prune -o \
                    \( -name '*.h' -o -name '*.cpp' \) -printf '%P\n' | grep / | cut -d/ -f1 | sort -u); do
    case $layers in *" $folder "*) ;; *) fault "$folder/: sources in a folder that is no layer of the build" ;; esac
done

shopt -s nullglob
sources=()
for folder in $layers; do sources+=("$folder"/*.h "$folder"/*.cpp); done
while read -r lines file; do
    [ "$lines" -le 450 ] || fault "$file: $lines lines, more than 450"
done < <(wc -l "${sources[@]}" | grep -v ' total$')
core=(core/*.h core/*.cpp)
while IFS= read -r line; do
    fault "${line%%:*}:$(cut -d: -f2 <<<"$line"): includes a system header in core/: ${line#*:*:}"
done < <(grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<[^>]+\.h>' "${core[@]}")

while IFS= read -r line; do
    fault "$line: an include that climbs with .."
done < <(find . \( -path ./build -o -path './.*' \) -prune -o \( -name '*.h' -o -name '*.cpp' \) -print0 |
         xargs -0 grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]*\.\.' | sed 's@^\./@@')

if [ "$faults" -gt 0 ]; then
    echo "layer check: $faults fault(s)"
    exit 1
fi
echo "layer check: every folder is a layer, no include climbs, core/ has no system header"
