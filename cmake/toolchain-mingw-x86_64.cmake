# Cross build for 64-bit Windows with mingw-w64: the test build of machines
# that cannot run 32-bit programs (see scripts/build-env.sh).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
