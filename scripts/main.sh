#!/usr/bin/env bash
# Set up, build and run the main job: the version, the shipped example templates validated, and
# then what Mirel is for: the sample board imported from its KiCad netlist and a shipped template
# run on it. Only mirel and the staged share/ are built here; the tests and benchmarks are
# scripts/test.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target mirel mirel_share
mirel=build-default/stage/bin/mirel
samples=share/mirel/samples
"$mirel" --version
"$mirel" validate share/examples/*.tpt
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$mirel" import kicad "$samples/mirel_demo.net" --pos "$samples/mirel_demo-all-pos.csv" -o "$out/mirel_demo.json"
"$mirel" run share/examples/bill_of_materials.tpt --design "$out/mirel_demo.json"
