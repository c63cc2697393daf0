# Every operation of the engine's table, walked on a skinned window and on
# what is not one: a plain window, window numbers that name nothing, a
# destroyed handle and a null one.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
rollcall_add_test(skin_engine_tests
  SOURCES ${_dir}/slot_test_support.cpp ${_dir}/lifecycle_theme_slot_tests.cpp
          ${_dir}/frame_caption_slot_tests.cpp ${_dir}/status_dock_slot_tests.cpp
          ${_dir}/children_slot_tests.cpp ${_dir}/child_lifecycle_tests.cpp
  LIBS skin_test_support rollcall_app skin)
