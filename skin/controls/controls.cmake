# One file group per family of child controls, each with its own list, and
# the sequence in which a window or container skins its children.
rollcall_skin_sources(
  child_hover.cpp child_hover.h
  child_skinning.cpp child_skinning.h
  scroll_bars.cpp scroll_bars.h)

foreach(family buttons image_buttons containers edits lists ranges transparent)
  include(${CMAKE_CURRENT_LIST_DIR}/${family}/${family}.cmake)
endforeach()
