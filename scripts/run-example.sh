#!/usr/bin/env bash
# Sets everything up, builds the programs (not the tests), and renders the plate example to out/plate.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --programs build
mkdir -p out
build/vellumplot-batch --out out/plate.png examples/plate/plate.dat
echo "wrote $(pwd)/out/plate.png"
