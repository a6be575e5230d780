#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang, libFuzzer and the sanitizers in build-fuzz, runs
# each on the inputs of the faults found before (fuzz/regressions), then fuzzes each in turn for
# the given seconds, one at a time, from a copy of its seed corpus; prints the executions per
# target. Exits non-zero when a target crashes or a property fails; the input is kept in
# build-fuzz/crashes/<target>/.
# ./scripts/fuzz.sh 60     a minute per target (CI)
# ./scripts/fuzz.sh 3600   an hour per target
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

seconds=${1:-60}
targets=(stage_file number_text command_line recent_files)

ensure_packages "${FUZZ_PACKAGES[@]}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DOU_FUZZ=ON \
    -DOU_BUILD_GUI=OFF -DOU_BUILD_TESTS=OFF -DOU_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j2

# The run's corpus grows in a scratch folder; the tree keeps its few seeds.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=()
declare -A executions
for target in "${targets[@]}"; do
    program=build-fuzz/fuzz/${target}_fuzz
    crashes=build-fuzz/crashes/$target
    mkdir -p "$crashes" "$scratch/$target"
    regressions=(fuzz/regressions/"$target"/*)
    if [ -e "${regressions[0]}" ]; then
        echo "== $target: the inputs of the faults found before"
        if ! "$program" "${regressions[@]}" >"$scratch/$target.regressions.log" 2>&1; then
            tail -n 30 "$scratch/$target.regressions.log"
            failed+=("$target (a regression)")
        fi
    fi
    cp -r fuzz/corpus/"$target"/. "$scratch/$target/"
    # The words of the format, where the target has a dictionary of them.
    dictionary=()
    [ -f fuzz/dict/"$target".dict ] && dictionary=(-dict=fuzz/dict/"$target".dict)
    echo "== $target: fuzzing for $seconds s"
    log=$scratch/$target.log
    # One process, the targets one after another: the machine is shared.
    if ! "$program" -max_total_time="$seconds" -print_final_stats=1 "${dictionary[@]}" \
        -artifact_prefix="$crashes/" "$scratch/$target" >"$log" 2>&1; then
        grep -E -A15 'Property failed|ERROR: |runtime error' "$log" | head -n 40 || tail -n 30 "$log"
        failed+=("$target")
    fi
    executions[$target]=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
done

echo
echo "Executions in $seconds s per target:"
for target in "${targets[@]}"; do
    printf '  %-14s %s\n' "$target" "${executions[$target]:-?}"
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed: ${failed[*]}; the inputs are in build-fuzz/crashes/" >&2
    exit 1
fi
