#!/usr/bin/env bash
# Builds the painter and writes every picture and the icon as PNGs for a look, by default into
# out/pictures (each picture also twice as large, the icon eight times).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-out/pictures}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target gachapoko_painter -j2
build/dev/assets/painter/gachapoko_painter --png "$dir"
echo "Pictures written to $dir"
