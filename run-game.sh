#!/usr/bin/env bash
# Builds the game (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
exec build/release/app/gachapoko
