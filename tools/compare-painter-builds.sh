#!/usr/bin/env bash
# Builds the painter in many ways, lets each paint, and compares the stored bytes of every picture
# and of the icon. Prints one line per picture with its SHA-256 and exits non-zero when any build
# painted other bytes.
#
# On this machine, with CMake: GCC and Clang without optimisation and with -O2, and once more
# with -O2 -march=native -ffp-contract=fast (and once with -ffast-math) forced on from outside.
# Where the cross toolchains are installed, also for other processors and systems, with the
# painting's plain C++ compiled straight by the cross compiler (they have no Qt) into
# tools/painter_source_only.cpp, linked statically: aarch64 run under qemu-user, 32-bit x86 run
# here, and x86-64 Windows (MinGW-w64) run under Wine. A build whose compiler or runner is missing
# is skipped with a line saying which Debian package brings it. One more 32-bit x86 build leaves
# out the SSE2 flags the build gives the painter there, to show that the x87's longer registers
# would paint other bytes; it is reported, not compared.
#
#   tools/compare-painter-builds.sh [BUILD_ROOT]      (default build/compare; takes a while)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(realpath -m "${1:-build/compare}")"
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

# The painter's own floating-point options, after any others, as assets/painter/CMakeLists.txt
# gives them; on 32-bit x86 also SSE2 arithmetic.
painter_flags="-ffp-contract=off -fno-fast-math"
sse2_flags="-msse2 -mfpmath=sse"

# name, compiler, flags, runner ("" for this machine), Debian packages
cross_builds=(
    "aarch64-qemu|aarch64-linux-gnu-g++|-O2|qemu-aarch64|g++-aarch64-linux-gnu qemu-user"
    "i686-sse2|i686-linux-gnu-g++|-O2 $sse2_flags||g++-i686-linux-gnu"
    "x86_64-windows-wine|x86_64-w64-mingw32-g++|-O2|wine|g++-mingw-w64-x86-64 wine64 wine"
)
x87_build="i686-x87|i686-linux-gnu-g++|-O2||g++-i686-linux-gnu"

compared=()

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

sha_of() {
    sha256sum <"$1" | cut -d' ' -f1
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
    compared+=("$name")
done

# Builds the Qt-free painter with a cross compiler and paints with it; sets `skipped` when the
# compiler or the runner is missing.
cross_paint() {
    local name="$1" compiler="$2" flags="$3" runner="$4" packages="$5"
    local dir="$root/$name" program="painter" source
    local missing=()
    command -v "$compiler" >/dev/null || missing+=("$compiler")
    [ -z "$runner" ] || command -v "$runner" >/dev/null || missing+=("$runner")
    skipped=$((${#missing[@]} > 0))
    if ((skipped)); then
        echo "== $name: skipped, no ${missing[*]} (Debian: $packages)"
        return
    fi
    echo "== $name: $compiler $flags${runner:+, run under $runner}"
    rm -rf "$dir" && mkdir -p "$dir/objects"
    if [[ "$compiler" == *mingw* ]]; then
        program="painter.exe"
    fi
    local sources=()
    for source in assets/stored_form.cpp logic/*.cpp assets/painter/*.cpp \
        assets/painter/faces/*.cpp tools/painter_source_only.cpp; do
        case "$source" in
        assets/painter/main.cpp | assets/painter/writers.cpp) ;; # these need Qt
        *) sources+=("$source") ;;
        esac
    done
    for source in "${sources[@]}"; do
        printf '%s\0%s\0' "$source" "$dir/objects/${source//\//_}.o"
    done | xargs -0 -n 2 -P 2 sh -c "$compiler -std=c++20 $flags $painter_flags -I. -c \"\$0\" -o \"\$1\""
    "$compiler" -static -o "$dir/$program" "$dir"/objects/*.o
    # Wine keeps its settings in a prefix of the comparison's own, made quietly before the run,
    # not in the home directory.
    export WINEPREFIX="$root/wine" WINEDEBUG=-all
    if [ "$runner" = wine ]; then
        wineboot --init >/dev/null 2>&1 || true
    fi
    (cd "$dir" && $runner "./$program" painted.cpp) || echo "   its checks of the stored forms failed"
    split_arrays "$dir/painted.cpp" "$dir/painted"
}

for build in "${cross_builds[@]}"; do
    IFS='|' read -r name compiler flags runner packages <<<"$build"
    cross_paint "$name" "$compiler" "$flags" "$runner" "$packages"
    if ((!skipped)); then
        compared+=("$name")
    fi
done
IFS='|' read -r x87_name compiler flags runner packages <<<"$x87_build"
cross_paint "$x87_name" "$compiler" "$flags" "$runner" "$packages"
x87_painted=$((!skipped))

status=0
first="${compared[0]}"
echo
for array in "$root/$first"/painted/*; do
    picture="$(basename "$array")"
    reference="$(sha_of "$array")"
    differing=()
    for name in "${compared[@]:1}"; do
        if [[ "$(sha_of "$root/$name/painted/$picture")" != "$reference" ]]; then
            differing+=("$name")
        fi
    done
    if ((${#differing[@]} == 0)); then
        echo "$picture: $reference in all ${#compared[@]} builds"
    else
        echo "$picture: differs in ${differing[*]}"
        status=1
    fi
done
if ((x87_painted)); then
    changed=()
    for array in "$root/$first"/painted/*; do
        picture="$(basename "$array")"
        if [[ "$(sha_of "$root/$x87_name/painted/$picture")" != "$(sha_of "$array")" ]]; then
            changed+=("$picture")
        fi
    done
    echo "Without SSE2 ($x87_name, x87 arithmetic): ${changed[*]:-no picture} painted otherwise"
fi
exit "$status"
