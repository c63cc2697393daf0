# Push buttons, check boxes and radio buttons: registration, looks, painters,
# behaviour under the real pointer, leaks, and a picture of every look.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_button_tests
  SOURCES ${_dir}/button_registration_tests.cpp ${_dir}/button_look_tests.cpp
          ${_dir}/button_behaviour_tests.cpp ${_dir}/button_leak_tests.cpp
          ${_dir}/button_gallery_tests.cpp
  LIBS skin_test_support rollcall_app skin)
