#!/usr/bin/env bash
# Builds the painter and writes every picture and the icon as PNGs for a look, by default into
# out/pictures: each picture also twice as large, the icon eight times, and sheet.png with all of
# them side by side. For one picture while painting it, run the painter itself:
#   build/dev/assets/painter/gachapoko_painter --png DIR --only ID
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-out/pictures}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target gachapoko_painter -j2
build/dev/assets/painter/gachapoko_painter --png "$dir" --sheet "$dir/sheet.png"
echo "Pictures written to $dir"
