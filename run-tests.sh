#!/usr/bin/env bash
# Builds everything and runs every test: once in a plain debug build (all suites, the real-X
# play-through included), once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-deps.sh
jobs="$(nproc)"

cmake --preset dev
cmake --build --preset dev -j"$jobs"
ctest --preset dev -j"$jobs"

cmake --preset asan
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"
