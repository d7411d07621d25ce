#!/usr/bin/env bash
# Builds the fuzz targets (clang's libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each of them for the given number of seconds, 60 when none is given, as many at once
# as the machine has cores. Fails when a target finds anything; the input that made the finding
# is kept in build/PRESET/findings/, and replaying it is `build/PRESET/fuzz/TARGET_fuzz FILE`.
# What the fuzzers learn is kept in build/PRESET/corpus/ for the next run; the seeds in
# fuzz/corpus/ stay as they are.
#
#     scripts/fuzz.sh [SECONDS] [TARGET...]     (TARGET: number_text, product_forms, ...)
#
# FUZZ_PRESET names the build: `fuzz` by default (the fuzz targets alone, optimised for long
# runs), `asan` for the targets the test build makes beside the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
(($# > 0)) && shift
preset="${FUZZ_PRESET:-fuzz}"
bash scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
if [[ "$preset" == fuzz ]]; then
    cmake --build --preset fuzz
else
    cmake --build --preset "$preset" --target fuzz_targets
fi

build="build/$preset"
targets=("$@")
if ((${#targets[@]} == 0)); then
    for program in "$build"/fuzz/*_fuzz; do
        targets+=("$(basename "$program" _fuzz)")
    done
fi

mkdir -p "$build/findings" "$build/logs"
rm -f "$build"/logs/*.status
# Allocation stacks and a long quarantine cost the forms target half its speed; to replay a
# finding with them, run its program on the input with ASAN_OPTIONS unset.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=16:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# Runs one target; its log ends up in $build/logs/TARGET.log, its exit status in TARGET.status.
fuzz() {
    local target=$1 corpus="$build/corpus/$1" log="$build/logs/$1.log"
    mkdir -p "$corpus"
    # FUZZ_FLAGS: more libFuzzer options, "-entropic=0" for example.
    # shellcheck disable=SC2206
    local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096
                   -print_final_stats=1 -artifact_prefix="$build/findings/$target-" ${FUZZ_FLAGS:-})
    if [[ -f "fuzz/dictionaries/$target.dict" ]]; then
        options+=(-dict="fuzz/dictionaries/$target.dict")
    fi
    local status=0
    "$build/fuzz/${target}_fuzz" "${options[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 ||
        status=$?
    echo "$status" >"$build/logs/$target.status"
}

echo "== fuzz ${targets[*]}: $seconds s each =="
for target in "${targets[@]}"; do
    while (($(jobs -rp | wc -l) >= $(nproc))); do
        wait -n
    done
    fuzz "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
    log="$build/logs/$target.log"
    if [[ "$(cat "$build/logs/$target.status")" == 0 ]]; then
        echo "-- $target: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') runs"
    else
        echo "-- $target: finding"
        tail -n 40 "$log"
        failed+=("$target")
    fi
done

if ((${#failed[@]})); then
    echo "Findings in: ${failed[*]} (inputs in $build/findings/, logs in $build/logs/)" >&2
    exit 1
fi
