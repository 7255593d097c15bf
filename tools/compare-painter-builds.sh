#!/usr/bin/env bash
# Builds the painter with GCC and with Clang, without optimisation and with -O2, and once more
# with -O2 -march=native -ffp-contract=fast (and once with -ffast-math) forced on from outside,
# lets each paint, and compares the stored bytes of every picture and of the icon. Prints one
# line per picture with its SHA-256 and exits non-zero when any build painted other bytes.
#
#   tools/compare-painter-builds.sh [BUILD_ROOT]      (default build/compare; takes a while)
set -euo pipefail
cd "$(dirname "$0")/.."
root="${1:-build/compare}"
mkdir -p "$root"

# name, compiler, flags
builds=(
    "gcc-O0|g++|-O0"
    "gcc-O2|g++|-O2"
    "clang-O0|clang++|-O0"
    "clang-O2|clang++|-O2"
    "gcc-O2-native-fma|g++|-O2 -march=native -ffp-contract=fast"
    "clang-O2-native-fma|clang++|-O2 -march=native -ffp-contract=fast"
    "gcc-O3-fast-math|g++|-O3 -march=native -ffast-math"
)

# Turns the painter's generated source back into the stored bytes, one file per array
# (Picture101 ... Picture111, Icon), so their SHA-256 is the one the checksum test holds.
split_arrays() {
    local source="$1" dir="$2"
    rm -rf "$dir" && mkdir -p "$dir"
    LC_ALL=C awk -v dir="$dir" '
        /^const std::uint8_t / { name = $3; sub(/\[.*/, "", name); out = dir "/" name; next }
        /^};/ { out = ""; next }
        out != "" {
            n = split($0, numbers, ",")
            for (i = 1; i <= n; ++i) {
                if (numbers[i] != "") {
                    printf "%c", numbers[i] + 0 > out
                }
            }
        }
    ' "$source"
}

for build in "${builds[@]}"; do
    IFS='|' read -r name compiler flags <<<"$build"
    dir="$root/$name"
    echo "== $name: $compiler $flags"
    cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE= \
        -DCMAKE_CXX_FLAGS="$flags" -DBUILD_TESTING=OFF -DGACHAPOKO_BENCHMARKS=OFF >/dev/null
    cmake --build "$dir" --target gachapoko_painter -j2 >/dev/null
    "$dir/assets/painter/gachapoko_painter" --source "$dir/painted.cpp"
    split_arrays "$dir/painted.cpp" "$dir/painted"
done

status=0
first="${builds[0]%%|*}"
echo
for array in "$root/$first"/painted/*; do
    picture="$(basename "$array")"
    reference="$(sha256sum <"$array" | cut -d' ' -f1)"
    differing=()
    for build in "${builds[@]:1}"; do
        name="${build%%|*}"
        if [[ "$(sha256sum <"$root/$name/painted/$picture" | cut -d' ' -f1)" != "$reference" ]]; then
            differing+=("$name")
        fi
    done
    if ((${#differing[@]} == 0)); then
        echo "$picture: $reference in all ${#builds[@]} builds"
    else
        echo "$picture: differs in ${differing[*]}"
        status=1
    fi
done
exit "$status"
