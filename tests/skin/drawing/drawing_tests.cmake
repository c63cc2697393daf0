# Built-in pictures, colour helpers, faded backgrounds and rounded paths.
rollcall_add_test(skin_images_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/images_tests.cpp
  LIBS skin)
