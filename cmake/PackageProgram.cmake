cmake_minimum_required(VERSION 3.16)
# Lays out the program's release folder and zips it, in script mode:
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<sources> -DVERSION=<x.y> -DOUT_DIR=<folder>
#         -P cmake/PackageProgram.cmake
# Writes <OUT_DIR>/rollcall-<VERSION>.zip holding rollcall-<VERSION>/ with the
# program, the checker (when built), the teachers' guide and the sample class,
# ready to unzip and double-click. Names are stored as UTF-8 with the zip's
# UTF-8 flag, which Windows' own unzipping honours.
foreach(var BUILD_DIR SOURCE_DIR VERSION OUT_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "PackageProgram.cmake needs -D${var}=...")
  endif()
endforeach()

set(name rollcall-${VERSION})
set(stage ${OUT_DIR}/stage)
set(root ${stage}/${name})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${root}/img)

if(NOT EXISTS ${BUILD_DIR}/app/rollcall.exe)
  message(FATAL_ERROR "no ${BUILD_DIR}/app/rollcall.exe: build first")
endif()
file(COPY ${BUILD_DIR}/app/rollcall.exe DESTINATION ${root})
if(EXISTS ${BUILD_DIR}/app/classcheck.exe)
  file(COPY ${BUILD_DIR}/app/classcheck.exe DESTINATION ${root})
endif()
set(class ${SOURCE_DIR}/examples/class)
file(COPY ${class}/ming.txt ${class}/使用说明.txt DESTINATION ${root})
file(GLOB pictures ${class}/img/*)
file(COPY ${pictures} DESTINATION ${root}/img)

set(zip ${OUT_DIR}/${name}.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${name}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "zipping ${name} failed")
endif()
file(REMOVE_RECURSE ${stage})
message(STATUS "${zip}")
