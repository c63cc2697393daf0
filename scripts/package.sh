#!/usr/bin/env bash
# Builds the release: the 32-bit program (the product, whatever this machine
# runs) and zips it for teachers as build/dist/rollcall-<version>.zip: the
# program, the class-folder checker, the teachers' guide and the sample class,
# to unzip on a classroom PC and double-click. The engine's own package
# (build/dist/skin-engine-<version>.zip) comes from scripts/package-engine.sh.
#   ROLLCALL_ARCH=x86_64 scripts/package.sh   packages the 64-bit build instead
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export ROLLCALL_ARCH=${ROLLCALL_ARCH:-i686}

"$root/scripts/setup-debian.sh"
source "$root/scripts/build-env.sh"
"$root/scripts/build.sh"

version=$(sed -n 's/^project(rollcall VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
dist="$build/dist"
mkdir -p "$dist"
cmake -DBUILD_DIR="$build" -DSOURCE_DIR="$root" -DVERSION="$version" -DOUT_DIR="$dist" \
      -P "$root/cmake/PackageProgram.cmake"
if [ -x "$root/scripts/package-engine.sh" ]; then
  "$root/scripts/package-engine.sh"
fi
ls -l "$dist"/*.zip
