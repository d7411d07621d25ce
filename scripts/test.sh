#!/usr/bin/env bash
# Builds everything and runs every test, in three stages:
#   1. every test under AddressSanitizer and UndefinedBehaviorSanitizer (preset asan: clang,
#      optimised with -O1, warnings are errors), built beside the fuzz targets;
#   2. the program as a user builds it: CMake's default generator, GCC, Release, warnings are
#      errors, with the benchmarks and developer tools;
#   3. a short run of every fuzz target of stage 1 (FUZZ_SECONDS each, 5 by default).
# Each stage's time is printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
times=()
started=$SECONDS
stage() {
    times+=("$(printf '%-12s %4d s' "$1" $((SECONDS - started)))")
    started=$SECONDS
}

bash scripts/install-deps.sh
stage install

echo "== asan: every test under the sanitizers =="
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$jobs"
# A test spends much of its time starting its process: twice as many at once keep the cores busy.
ctest --preset asan --parallel $((2 * jobs))
stage asan

echo "== release: default generator, GCC, optimised =="
cmake -S . -B build/default -DCMAKE_BUILD_TYPE=Release -DLORVANE_WERROR=ON \
      -DLORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build/default --parallel "$jobs"
stage release

echo "== fuzz =="
FUZZ_PRESET=asan bash scripts/fuzz.sh "${FUZZ_SECONDS:-5}"
stage fuzz

printf '%s\n' "== times ==" "${times[@]}"
