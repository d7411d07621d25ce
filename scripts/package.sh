#!/usr/bin/env bash
# Builds the Debian package from this tree: the optimised programs under /usr, then
# `cpack -G DEB` through the package preset. The package is build/package/lorvane_*.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --workflow --preset package
ls build/package/lorvane_*.deb
