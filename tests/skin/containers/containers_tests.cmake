# Containers: registration with their children, their procedure, their
# looks and tints, the colour messages of their children, leak loops.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_container_tests
  SOURCES ${_dir}/container_test_support.cpp ${_dir}/container_test_support.h
          ${_dir}/container_registration_tests.cpp ${_dir}/container_paint_tests.cpp
          ${_dir}/container_colour_tests.cpp ${_dir}/container_chain_tests.cpp
  LIBS skin_test_support rollcall_app skin)
