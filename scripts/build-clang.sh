#!/usr/bin/env bash
# Builds the program, the checker, the engine and the gallery a second time
# with Debian's clang for 32-bit Windows, into build-clang/ (or $CLANG_BUILD_DIR),
# and fails on any warning: the sources must not lean on one compiler. Clang
# compiles string literals to UTF-8 only, so what it builds is a check, not a
# product (the program expects code page 936 texts).
#   CLANG_JOBS=1 scripts/build-clang.sh   (default: all cores)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
build=${CLANG_BUILD_DIR:-$root/build-clang}
jobs=${CLANG_JOBS:-$(nproc)}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-clang-mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DROLLCALL_TESTS=OFF -DROLLCALL_BENCH=OFF >/dev/null
fi
log="$build/build.log"
status=0
cmake --build "$build" -j"$jobs" >"$log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
  tail -40 "$log"
  echo "clang build: failed (see $log)" >&2
  exit 1
fi
if grep -q "warning" "$log"; then
  grep "warning" "$log" | sort -u | head -40
  echo "clang build: warnings (see $log)" >&2
  exit 1
fi
echo "clang build: clean ($build)"
