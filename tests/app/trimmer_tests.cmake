# The working-set trimmer and the empty.exe tool, with stand-in Windows directories.

# Stands in for empty.exe: records how it was started and can be held running.
add_executable(trimmer_stand_in ${CMAKE_CURRENT_LIST_DIR}/trimmer_stand_in.cpp)
rollcall_static_exe(trimmer_stand_in)

rollcall_add_test(trimmer_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/trimmer_tests.cpp
  LIBS rollcall_app)

# Both programs beside the test under fixed names: the built tool, to compare
# with what the trimmer writes, and the stand-in.
set(_trimmer_work ${CMAKE_BINARY_DIR}/test-output/trimmer_tests)
add_custom_command(
  OUTPUT ${_trimmer_work}/built_empty.exe ${_trimmer_work}/stand_in.exe
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:empty> ${_trimmer_work}/built_empty.exe
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:trimmer_stand_in> ${_trimmer_work}/stand_in.exe
  DEPENDS empty trimmer_stand_in $<TARGET_FILE:empty> $<TARGET_FILE:trimmer_stand_in>
  VERBATIM)
add_custom_target(trimmer_test_programs
  DEPENDS ${_trimmer_work}/built_empty.exe ${_trimmer_work}/stand_in.exe)
add_dependencies(trimmer_tests trimmer_test_programs)
