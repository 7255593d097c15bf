#!/usr/bin/env bash
# The game logic must stand without Qt: no Qt header in its sources, no Qt symbol in its library.
# Usage: logic_is_qt_free.sh LOGIC_SOURCE_DIR LOGIC_LIBRARY
set -euo pipefail
src="$1"
lib="$2"
status=0
if grep -nE '#include\s*[<"]Q|#include\s*[<"]qt' "$src"/*.h "$src"/*.cpp; then
    echo "Qt headers included by the game logic" >&2
    status=1
fi
if nm -C "$lib" | grep -E '\bQ[A-Z][A-Za-z]+::|qt_' ; then
    echo "Qt symbols in the game logic library" >&2
    status=1
fi
[ $status -eq 0 ] && echo "game logic is free of Qt"
exit $status
