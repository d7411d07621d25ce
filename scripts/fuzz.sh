#!/usr/bin/env bash
# Builds the fuzz targets (clang's libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each of them for the given number of seconds, 60 when none is given. Fails when a
# target finds anything; the input that made the finding is kept in build/fuzz/findings/, and
# replaying it is `build/fuzz/fuzz/TARGET_fuzz FILE`. What the fuzzers learn is kept in
# build/fuzz/corpus/ for the next run; the seeds in fuzz/corpus/ stay as they are.
#
#     scripts/fuzz.sh [SECONDS] [TARGET...]     (TARGET: number_text, product_forms, ...)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
(($# > 0)) && shift
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

build=build/fuzz
targets=("$@")
if ((${#targets[@]} == 0)); then
    for program in "$build"/fuzz/*_fuzz; do
        targets+=("$(basename "$program" _fuzz)")
    done
fi

mkdir -p "$build/findings" "$build/logs"
# Allocation stacks and a long quarantine cost the forms target half its speed; to replay a
# finding with them, run its program on the input with ASAN_OPTIONS unset.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=16:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    log="$build/logs/$target.log"
    mkdir -p "$corpus"
    # FUZZ_FLAGS: more libFuzzer options, "-entropic=0" for example.
    # shellcheck disable=SC2206
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1
             -artifact_prefix="$build/findings/$target-" ${FUZZ_FLAGS:-})
    if [[ -f "fuzz/dictionaries/$target.dict" ]]; then
        options+=(-dict="fuzz/dictionaries/$target.dict")
    fi
    echo "== fuzz $target: $seconds s =="
    if "$build/fuzz/${target}_fuzz" "${options[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        grep -E '^#[0-9]+ +DONE|^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
    else
        tail -n 40 "$log"
        failed+=("$target")
    fi
done

if ((${#failed[@]})); then
    echo "Findings in: ${failed[*]} (inputs in $build/findings/, logs in $build/logs/)" >&2
    exit 1
fi
