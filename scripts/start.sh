#!/usr/bin/env bash
# Builds the desktop program with the release preset and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target lorvane lorvane-calc

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: starting Lorvane on a virtual X display (xvfb-run)." >&2
    exec xvfb-run -a -s "-screen 0 1400x900x24" build/release/app/lorvane "$@"
fi
exec build/release/app/lorvane "$@"
