cmake_minimum_required(VERSION 3.16)
# Makes the release zip from the build, unzips it into an empty folder and
# checks what a teacher finds there: the program, the checker, the guide and
# the sample class, and programs that import only DLLs every Windows has.
include(${SOURCE_DIR}/cmake/PackageProgram.cmake)

set(unzipped ${OUT_DIR}/unzipped)
file(REMOVE_RECURSE ${unzipped})
file(MAKE_DIRECTORY ${unzipped})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${OUT_DIR}/rollcall-${VERSION}.zip
                WORKING_DIRECTORY ${unzipped} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the zip does not unpack")
endif()

set(root ${unzipped}/rollcall-${VERSION})
foreach(file rollcall.exe classcheck.exe ming.txt 使用说明.txt img/背景.jpg img/1.jpg)
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "the release lacks ${file}")
  endif()
endforeach()
file(GLOB entries RELATIVE ${root} ${root}/*)
list(SORT entries)
if(NOT entries STREQUAL "classcheck.exe;img;ming.txt;rollcall.exe;使用说明.txt")
  message(FATAL_ERROR "unexpected files in the release: ${entries}")
endif()

# Every Windows since 7 carries these; anything else would have to be shipped.
set(system_dlls advapi32.dll comctl32.dll comdlg32.dll gdi32.dll gdiplus.dll kernel32.dll
    msimg32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll
    uxtheme.dll version.dll winmm.dll)
foreach(exe rollcall.exe classcheck.exe)
  execute_process(COMMAND ${OBJDUMP} -p ${root}/${exe} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${exe}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
  if(NOT imports)
    message(FATAL_ERROR "no imports found in ${exe}")
  endif()
  foreach(line ${imports})
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls)
      message(FATAL_ERROR "${exe} needs ${dll}, which Windows does not carry")
    endif()
  endforeach()
endforeach()
message(STATUS "release unpacked in ${root}")
