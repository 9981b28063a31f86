#!/usr/bin/env bash
# Builds the fuzz targets (preset fuzz: native clang, ASan + UBSan) and runs
# each for FUZZ_SECONDS (default 600) from its seed corpus, keeping what it
# finds in build/fuzz/corpus/<target>. Prints each target's executions and
# fails when any target found a crash; the input is then in
# build/fuzz/artifacts/.
#   FUZZ_SECONDS=60 scripts/fuzz.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-600}
scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in tests/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

mkdir -p build/fuzz/artifacts
failed=()
summary=()
for target in "${targets[@]}"; do
    found=build/fuzz/corpus/$target
    log=build/fuzz/$target.log
    mkdir -p "$found"
    echo "== $target: ${seconds} s"
    status=0
    build/fuzz/bin/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/"$target"- "$found" tests/fuzz/corpus/"$target" >"$log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: //p' "$log")
    summary+=("$(printf '%-16s %12s executions in %s s' "$target" "${executions:-?}" "$seconds")")
    if [ "$status" -ne 0 ]; then
        failed+=("$target")
        grep -E 'ERROR|runtime error|fuzz check failed|Test unit written' "$log" || tail -20 "$log"
    fi
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Crashes found in: ${failed[*]} (logs in build/fuzz/<target>.log, inputs in build/fuzz/artifacts/)"
    exit 1
fi
