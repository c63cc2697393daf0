#!/usr/bin/env bash
# Builds the skin engine's package for other programs:
#   scripts/package-engine.sh [build-dir]
# The build folder defaults to the one scripts/build.sh uses (build/, or
# build-x64/ on a machine that runs no 32-bit programs) and must be
# configured. Builds the three engine libraries if needed, installs the
# engine component into a staging folder and zips it with the gallery's
# sources as the example:
#   <build-dir>/dist/skin-engine-<version>.zip
#     skin-engine-<version>/include/...      the public headers
#     skin-engine-<version>/lib/...          libplatform.a, libgraphics.a, libskin.a,
#                                            cmake/SkinEngine/ (the CMake package)
#     skin-engine-<version>/example/...      the gallery, buildable on its own
#     skin-engine-<version>/README.txt
# The version is the CMake project version. Prints the zip's path as its last
# line of standard output; everything else goes to standard error.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ge 1 ]; then
  build=$(cd "$1" && pwd)
else
  source "$root/scripts/build-env.sh"
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "package-engine: $build is not configured; run scripts/build.sh first" >&2
  exit 1
fi

cmake --build "$build" --target platform graphics skin -j"$(nproc)" >&2

dist="$build/dist"
stage="$dist/engine-stage"
rm -rf "$stage"
mkdir -p "$stage"
cmake --install "$build" --prefix "$stage/prefix" --component engine >&2

version=$(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")$/\1/p' \
  "$stage/prefix/lib/cmake/SkinEngine/SkinEngineConfigVersion.cmake")
if [ -z "$version" ]; then
  echo "package-engine: no version in the installed package" >&2
  exit 1
fi
name="skin-engine-$version"
top="$stage/$name"
mv "$stage/prefix" "$top"

example="$top/example"
mkdir -p "$example/examples/gallery" "$example/examples/class/img" "$example/cmake"
cp "$root/examples/gallery/standalone/CMakeLists.txt" "$example/CMakeLists.txt"
cp "$root"/examples/gallery/*.cpp "$root"/examples/gallery/*.h "$example/examples/gallery/"
cp "$root/examples/class/img/背景.jpg" "$example/examples/class/img/"
cp "$root/cmake/EmbedFile.cmake" "$example/cmake/"

cat > "$top/README.txt" <<TEXT
Skin engine $version: static libraries for Windows programs (C++17, Win32, GDI+).

In your CMakeLists.txt:
    find_package(SkinEngine CONFIG REQUIRED)
    target_link_libraries(app PRIVATE SkinEngine::skin)
and configure with -DCMAKE_PREFIX_PATH=<this folder>.

Call order in your program: InitCommonControlsEx, platform::StartGdiplus(),
skin::InitSkinModule(), skin::SetModuleDefaults(), then on a skin::SkinEngine:
SetTheme, SetOptions, SkinWindow, SkinChildren; at the end engine.Destroy()
(which also shuts GDI+ down) and skin::ExitSkinModule().
Texts are ANSI strings in code page 936.

example/ is the engine's gallery, built on its own against this folder:
    cmake -S example -B example/build -DCMAKE_PREFIX_PATH=<this folder>
    cmake --build example/build
TEXT

zip="$dist/$name.zip"
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip "$name")
rm -rf "$stage"
echo "$zip"
