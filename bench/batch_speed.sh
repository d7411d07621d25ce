#!/usr/bin/env bash
# Times lorvane-calc batch end to end on a schedule of Selmon positions (default one million
# rows): read, calculated and written to /dev/null. The target is under 5 seconds for a million
# rows on a two-core machine, and memory that stays flat. With --room, every position also has a
# path of six elements into a room of its own and a room target.
#
#     bench/batch_speed.sh [--room] [ROWS] [LORVANE_CALC]
set -euo pipefail
cd "$(dirname "$0")/.."

room=()
if [[ "${1:-}" == --room ]]; then
    room=(--room)
    shift
fi

rows="${1:-1000000}"
calc="${2:-build/release/cli/lorvane-calc}"
if [[ ! -x "$calc" ]]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target lorvane-calc
fi

schedule="$(mktemp --suffix=.csv)"
trap 'rm -f "$schedule"' EXIT
python3 bench/make_schedule.py "$rows" "${room[@]}" >"$schedule"
echo "$rows Selmon rows${room:+ with rooms}, $(du -h "$schedule" | cut -f1) of CSV, $(nproc) cores"

report="$(mktemp)"
trap 'rm -f "$schedule" "$report"' EXIT
status=0
/usr/bin/time -f "%e %U %S %M" -o "$report" "$calc" batch "$schedule" >/dev/null 2>&1 || status=$?
if ((status > 1)); then
    echo "lorvane-calc batch failed with status $status" >&2
    exit "$status"
fi
read -r wall user system memory < <(tail -n 1 "$report")
awk -v rows="$rows" -v wall="$wall" -v user="$user" -v sys="$system" -v memory="$memory" 'BEGIN {
    printf "%.2f s wall, %.2f s of CPU, %.0f rows per second, %.1f us of CPU per row, %.0f MB at most\n",
           wall, user + sys, rows / wall, 1e6 * (user + sys) / rows, memory / 1024
}'
