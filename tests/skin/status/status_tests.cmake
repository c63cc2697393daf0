# The status strip (layout, looks, panel redraws, leaks), docked children,
# replaced caption-button pictures, and a picture of a window with all three.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_status_tests
  SOURCES ${_dir}/status_layout_tests.cpp ${_dir}/status_look_tests.cpp
          ${_dir}/docked_child_tests.cpp ${_dir}/caption_image_tests.cpp
          ${_dir}/status_leak_and_picture_tests.cpp
  LIBS skin_test_support rollcall_app skin)
