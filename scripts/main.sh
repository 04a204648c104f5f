#!/usr/bin/env bash
# Set up, build and run the main job: the version, then the shipped example templates validated
# and the first of them shown. Only mirel and the staged share/ are built here; the tests and
# benchmarks are scripts/test.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target mirel mirel_share
mirel=build-default/stage/bin/mirel
"$mirel" --version
if "$mirel" validate --help >/dev/null 2>&1 && ls share/examples/*.tpt >/dev/null 2>&1; then
  "$mirel" validate share/examples/*.tpt
  examples=(share/examples/*.tpt)
  "$mirel" show "${examples[0]}"
fi
