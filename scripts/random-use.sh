#!/usr/bin/env bash
# Walks the main window at random, seed after seed, for the given seconds: each walk is
# tests/driver/RandomUse.h's, OU_RANDOM_STEPS steps (default 20000) from seed 1 up, on the Qt
# windows (built under AddressSanitizer and UndefinedBehaviorSanitizer with --sanitize) or, with
# --windows, on the Win32 windows under wine. A failing walk prints its seed and step and stops
# the run; OU_RANDOM_SEED=N replays it. Prints the walks, steps and tables checked.
# ./scripts/random-use.sh 3600 --sanitize
# ./scripts/random-use.sh 3600 --windows
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: random-use.sh SECONDS [--sanitize|--windows]}
front=${2:-}
export OU_RANDOM_STEPS=${OU_RANDOM_STEPS:-20000}
seed=${OU_RANDOM_SEED:-1}
walks=0
checked=0
end=$((SECONDS + seconds))

if [ "$front" = --windows ]; then
    # The first walk builds what it needs; each runs as the Windows test run runs it.
    while [ $SECONDS -lt $end ]; do
        log=$(OU_RANDOM_SEED=$seed ./scripts/test.sh --windows -R RandomUse -V 2>&1) ||
            { echo "$log" | tail -40; echo "seed $seed failed"; exit 1; }
        checked=$((checked + $(echo "$log" | sed -n 's/.* \([0-9]*\) tables checked.*/\1/p' | tail -1)))
        walks=$((walks + 1))
        seed=$((seed + 1))
    done
else
    preset=default
    [ "$front" = --sanitize ] && preset=sanitize
    build=build
    [ "$preset" = sanitize ] && build=build-sanitize
    cmake --preset "$preset" >/dev/null
    cmake --build "$build" -j2 --target main_window_tests
    export QT_QPA_PLATFORM=offscreen
    # A long walk, above all under the sanitizers, outlasts QtTest's five minutes per test.
    export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-86400000}
    while [ $SECONDS -lt $end ]; do
        log=$(OU_RANDOM_SEED=$seed "$build/tests/qt/main_window_tests" randomUseKeepsTheRules 2>&1) ||
            { echo "$log" | tail -40; echo "seed $seed failed"; exit 1; }
        checked=$((checked + $(echo "$log" | sed -n 's/.* \([0-9]*\) tables checked.*/\1/p')))
        walks=$((walks + 1))
        seed=$((seed + 1))
    done
fi
echo "$walks walks of $OU_RANDOM_STEPS steps ($((walks * OU_RANDOM_STEPS)) steps), $checked tables checked, none failed"
