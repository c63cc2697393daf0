# Built-in pictures, colour helpers, faded backgrounds and rounded paths.
target_sources(skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/colours.h
  ${CMAKE_CURRENT_LIST_DIR}/fade_image.h
  ${CMAKE_CURRENT_LIST_DIR}/round_rect_path.h
  ${CMAKE_CURRENT_LIST_DIR}/skin_images.h)
