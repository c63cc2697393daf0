# Edits and combo boxes: the shared scroll-bar helpers, looks, registration,
# colour brushes, behaviour under the real pointer, leaks, and pictures.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_edit_tests
  SOURCES ${_dir}/edit_test_support.cpp ${_dir}/edit_scroll_bar_tests.cpp
          ${_dir}/edit_look_tests.cpp ${_dir}/edit_registration_tests.cpp
          ${_dir}/edit_behaviour_tests.cpp ${_dir}/edit_leak_tests.cpp
          ${_dir}/edit_gallery_tests.cpp
  LIBS skin_test_support rollcall_app skin)
