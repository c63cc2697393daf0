# Cross build for 32-bit Windows with Debian's clang against the mingw-w64
# headers and libraries: the second compiler the sources are checked with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_triple i686-w64-mingw32)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${_triple})
set(CMAKE_CXX_COMPILER_TARGET ${_triple})
set(CMAKE_RC_COMPILER ${_triple}-windres)
# The libraries and C++ headers of Debian's mingw-w64 GCC (posix threads),
# which clang's MinGW driver does not find on its own.
file(GLOB _gcc_dirs /usr/lib/gcc/${_triple}/*-posix)
list(GET _gcc_dirs 0 _gcc)
set(_cxx ${_gcc}/include/c++)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${_cxx} -isystem ${_cxx}/${_triple} -isystem ${_cxx}/backward")
# Linked by the mingw-w64 binutils' linker, which reads GCC's own runtime
# objects without complaint, with the threads library GCC's driver adds.
# (taken whole and first: GCC's unwinder, linked last, calls into it).
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-fuse-ld=/usr/bin/${_triple}-ld -L${_gcc} -Wl,--whole-archive -lpthread -Wl,--no-whole-archive")

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
