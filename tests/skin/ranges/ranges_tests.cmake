# Track bars, progress bars and up-down controls: their looks at the points
# the geometry fixes, their registration and procedures on real windows, the
# real pointer, leak loops.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_range_tests
  SOURCES ${_dir}/progress_tests.cpp ${_dir}/track_bar_tests.cpp
    ${_dir}/up_down_tests.cpp ${_dir}/bordered_range_tests.cpp
  LIBS skin_test_support rollcall_app skin)
