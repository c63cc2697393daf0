# Image buttons: their looks, the two operations that make them, and hover
# with a tooltip under the real pointer.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_image_button_tests
  SOURCES ${_dir}/image_button_look_tests.cpp ${_dir}/image_button_tests.cpp
  LIBS skin_test_support rollcall_app skin)
