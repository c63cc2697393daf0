# Shared by the engine's test programs: the engine object, windows to skin,
# pictures, pixels of the frame; message logs and the real pointer for the
# control families.
add_library(skin_test_support STATIC
  ${CMAKE_CURRENT_LIST_DIR}/frame_test_support.cpp ${CMAKE_CURRENT_LIST_DIR}/frame_test_support.h
  ${CMAKE_CURRENT_LIST_DIR}/control_test_support.cpp ${CMAKE_CURRENT_LIST_DIR}/control_test_support.h)
rollcall_target_options(skin_test_support)
target_link_libraries(skin_test_support PUBLIC rollcall_app skin test_support_screen gtest)
