#!/usr/bin/env bash
# Builds everything and runs every test: first the dev preset (warnings are errors), then the
# same tests optimised, under AddressSanitizer and UndefinedBehaviorSanitizer; last a short run
# of every fuzz target (FUZZ_SECONDS each, 5 by default).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

for preset in dev asan; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "== fuzz =="
bash scripts/fuzz.sh "${FUZZ_SECONDS:-5}"
