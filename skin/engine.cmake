# The engine object, its registry and module state, window properties,
# background capture and the skinned frame.
target_sources(skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/module_state.cpp ${CMAKE_CURRENT_LIST_DIR}/module_state.h
  ${CMAKE_CURRENT_LIST_DIR}/registry.cpp ${CMAKE_CURRENT_LIST_DIR}/registry.h
  ${CMAKE_CURRENT_LIST_DIR}/skin_engine.cpp ${CMAKE_CURRENT_LIST_DIR}/skin_engine.h
  ${CMAKE_CURRENT_LIST_DIR}/skinned_window.h)
