#!/usr/bin/env bash
# Set up, build and run the whole test suite: scripts/test.sh [preset] (default, debug or asan).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j"$(nproc)"
