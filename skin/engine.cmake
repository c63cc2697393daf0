# The engine object, its registry and module state, window properties,
# background capture and the skinned frame.
set(_engine_sources
  backgrounds.cpp backgrounds.h
  background_capture.cpp background_capture.h
  caption_buttons.cpp caption_shapes.h
  child_records.h
  child_skinners.cpp child_skinners.h
  control_brushes.cpp control_brushes.h
  frame_behaviour.cpp frame_zones.h
  frame_painting.cpp
  frame_wnd_proc.cpp
  module_state.cpp module_state.h
  one_based_list.h
  properties.cpp properties.h
  registry.cpp registry.h
  skin_engine.cpp skin_engine.h
  skin_window.cpp
  skinned_window.h
  theme.cpp)
list(TRANSFORM _engine_sources PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
target_sources(skin PRIVATE ${_engine_sources})
