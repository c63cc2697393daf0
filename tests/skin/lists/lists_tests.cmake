# Lists, views and headers: registration, frame looks and rings, headers,
# translucent client areas with scrolling and tree expansion, leaks, and a
# picture of every list control.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_list_tests
  SOURCES ${_dir}/list_test_support.cpp ${_dir}/list_test_support.h
          ${_dir}/list_registration_tests.cpp ${_dir}/list_frame_tests.cpp
          ${_dir}/header_tests.cpp ${_dir}/list_translucency_tests.cpp
          ${_dir}/list_leak_tests.cpp ${_dir}/list_gallery_tests.cpp
  LIBS skin_test_support rollcall_app skin)
