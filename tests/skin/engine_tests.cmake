# The engine object, registry, properties, background capture and the frame.
rollcall_add_test(skin_frame_tests
  SOURCES frame_test_support.cpp frame_test_support.h
          frame_registry_tests.cpp frame_geometry_tests.cpp frame_render_tests.cpp
          frame_capture_tests.cpp frame_behaviour_tests.cpp frame_leak_tests.cpp
          frame_main_window_tests.cpp frame_hover_tests.cpp
          frame_title_tests.cpp
  LIBS rollcall_app skin)
target_compile_definitions(skin_frame_tests PRIVATE
  ROLLCALL_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples/class")
