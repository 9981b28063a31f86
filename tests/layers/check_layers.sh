#!/usr/bin/env bash
# The program's folders form layers that include only downward:
#   core -> win -> ui -> caption -> about, monitor, settings -> app
# (settings may include caption). core/ holds no Windows header, and no
# program source file is longer than 450 lines. Prints each file at fault
# and fails when there is one.
#   tests/layers/check_layers.sh SOURCE-ROOT
set -uo pipefail
cd "$1" || exit 2

declare -A allowed=(
    [core]="core"
    [win]="core win"
    [ui]="core win ui"
    [caption]="core win ui caption"
    [about]="core win ui about"
    [monitor]="core win ui monitor"
    [settings]="core win ui caption settings"
    [app]="core win ui caption about monitor settings app"
)
folders="${!allowed[*]}"
faults=0
fault() { echo "$1"; faults=$((faults + 1)); }

for folder in $folders; do
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -e "$file" ] || continue
        lines=$(wc -l <"$file")
        [ "$lines" -le 450 ] || fault "$file: $lines lines, more than 450"
        while IFS=: read -r number line; do
            included=$(sed -E 's@.*include[[:space:]]*"([^"]+)".*@\1@' <<<"$line")
            target=${included%%/*}
            case " $folders " in *" $target "*) ;; *) continue ;; esac
            case " ${allowed[$folder]} " in
                *" $target "*) ;;
                *) fault "$file:$number: includes $included, a layer above $folder/" ;;
            esac
        done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
        grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"\.\./' "$file" |
            while IFS= read -r line; do echo "$file:${line%%:*}: includes a path that climbs out of its folder"; done |
            grep . && faults=$((faults + 1))
        if [ "$folder" = core ]; then
            grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<[^>]+\.h>' "$file" |
                while IFS= read -r line; do echo "$file:${line%%:*}: includes a system header in core/: ${line#*:}"; done |
                grep . && faults=$((faults + 1))
        fi
    done
done

if [ "$faults" -gt 0 ]; then
    echo "layer check: $faults fault(s)"
    exit 1
fi
echo "layer check: every include goes downward"
