# Transparent children: registration and the container registration of
# their children, the keyed paints against untouched twins, rich-edit
# scrolls, leak loops, and a picture of a tab, a toolbar and a calendar.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_transparent_tests
  SOURCES ${_dir}/transparent_test_support.cpp ${_dir}/transparent_test_support.h
          ${_dir}/transparent_registration_tests.cpp ${_dir}/transparent_paint_tests.cpp
          ${_dir}/transparent_leak_tests.cpp ${_dir}/transparent_gallery_tests.cpp
  LIBS skin_test_support rollcall_app skin uxtheme)
