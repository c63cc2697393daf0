#!/usr/bin/env bash
# Configures and builds the project for Windows into build/ (or $BUILD_DIR):
# 32-bit, or 64-bit in build-x64/ on a machine that runs no 32-bit programs
# (scripts/build-env.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup-debian.sh"
source "$root/scripts/build-env.sh"
toolchain="$root/cmake/toolchain-mingw-$ROLLCALL_ARCH.cmake"
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "toolchain-mingw-$ROLLCALL_ARCH.cmake" "$build/CMakeCache.txt"; then
  echo "build: $build was configured for another architecture than $ROLLCALL_ARCH;" \
       "remove it or choose another BUILD_DIR" >&2
  exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  [ "$ROLLCALL_ARCH" = i686 ] || echo "build: this machine runs no 32-bit programs; building for $ROLLCALL_ARCH in $build"
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j"$(nproc)"
