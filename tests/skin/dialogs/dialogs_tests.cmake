# The engine on windows it did not make: dialogs from templates, the
# platform's common dialogs, message boxes and property sheets.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_dialog_tests
  SOURCES ${_dir}/dialog_test_support.cpp ${_dir}/dialog_test_support.h
          ${_dir}/access_key_tests.cpp ${_dir}/adopted_window_tests.cpp
          ${_dir}/engine_session_tests.cpp
          ${_dir}/thread_dialog_tests.cpp
  LIBS skin_test_support rollcall_app skin comdlg32)
