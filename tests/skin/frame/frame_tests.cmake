# The engine object, registry, properties, background capture and the frame.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_frame_tests
  SOURCES ${_dir}/frame_registry_tests.cpp ${_dir}/frame_geometry_tests.cpp
          ${_dir}/frame_render_tests.cpp ${_dir}/frame_capture_tests.cpp
          ${_dir}/frame_behaviour_tests.cpp ${_dir}/frame_leak_tests.cpp
          ${_dir}/frame_main_window_tests.cpp ${_dir}/frame_hover_tests.cpp
          ${_dir}/frame_title_tests.cpp ${_dir}/frame_golden_tests.cpp
          ${_dir}/frame_cache_tests.cpp ${_dir}/frame_golden_builds_tests.cpp
          ${_dir}/frame_live_resize_tests.cpp
  LIBS skin_test_support rollcall_app skin)
target_compile_definitions(skin_frame_tests PRIVATE
  ROLLCALL_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples/class"
  ROLLCALL_GOLDEN_DIR="${_dir}/golden")
