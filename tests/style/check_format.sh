#!/usr/bin/env bash
# Checks every C++ source of the project against .clang-format without changing anything.
#   check_format.sh CLANG_FORMAT SOURCE_DIR
# To mend what it reports: clang-format -i on the files it names.
set -euo pipefail
clang_format="$1"
cd "$2"

mapfile -d '' files < <(find app assets benchmarks logic tests tools ui \
    \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ ${#files[@]} -eq 0 ]; then
    echo "no sources found under $2" >&2
    exit 1
fi

unformatted=()
for file in "${files[@]}"; do
    if ! "$clang_format" --dry-run --Werror "$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted with $("$clang_format" --version):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "${#files[@]} files follow .clang-format"
