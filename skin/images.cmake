# Built-in pictures, colour helpers, faded backgrounds and rounded paths.
target_sources(skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/colours.cpp ${CMAKE_CURRENT_LIST_DIR}/colours.h
  ${CMAKE_CURRENT_LIST_DIR}/fade_image.cpp ${CMAKE_CURRENT_LIST_DIR}/fade_image.h
  ${CMAKE_CURRENT_LIST_DIR}/round_rect_path.cpp ${CMAKE_CURRENT_LIST_DIR}/round_rect_path.h
  ${CMAKE_CURRENT_LIST_DIR}/skin_images.cpp ${CMAKE_CURRENT_LIST_DIR}/skin_images.h)

# The twelve PNGs of assets/skin, compiled into the library as byte arrays.
foreach(image help:Help main_menu:MainMenu minimise:Minimise maximise:Maximise
              restore:Restore close:Close check_off:CheckOff check_on:CheckOn
              arrow_down:ArrowDown arrow_up:ArrowUp arrow_left:ArrowLeft
              arrow_right:ArrowRight)
  string(REPLACE ":" ";" parts ${image})
  list(GET parts 0 file)
  list(GET parts 1 name)
  rollcall_embed_file(skin ${PROJECT_SOURCE_DIR}/assets/skin/${file}.png Skin${name}Png skin)
endforeach()
