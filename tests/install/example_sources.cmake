# The engine package's example (the gallery built on its own against the
# installed engine) names every source file of the gallery: a file the
# gallery gained and the example's list lacks leaves the example unbuildable.
#   cmake -DSOURCE_DIR=<project sources> -P example_sources.cmake
cmake_minimum_required(VERSION 3.16)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "example_sources: SOURCE_DIR is not set")
endif()
file(READ ${SOURCE_DIR}/examples/gallery/standalone/CMakeLists.txt listed)
file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/examples/gallery/*.cpp
     ${SOURCE_DIR}/examples/gallery/*.h)
set(missing)
foreach(file IN LISTS sources)
  string(FIND "${listed}" "${file}" at)
  if(at EQUAL -1)
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "example_sources: the example's CMakeLists.txt lacks: ${missing}")
endif()
list(LENGTH sources count)
message(STATUS "example_sources: all ${count} gallery files are named")
