# What every painter shares: colours, the built-in pictures, faded
# backgrounds, rounded paths, background capture, control brushes and fonts,
# and the paint frame.
rollcall_skin_sources(
  background_capture.cpp background_capture.h
  backgrounds.cpp backgrounds.h
  colour_messages.cpp colour_messages.h
  colours.cpp colours.h
  control_brushes.cpp control_brushes.h
  control_font.cpp control_font.h
  decoded_pictures.cpp decoded_pictures.h
  fade_image.cpp fade_image.h
  paint_frame.cpp paint_frame.h
  round_rect_path.cpp round_rect_path.h
  shape_painting.cpp shape_painting.h
  skin_images.cpp skin_images.h
  top_rounded_paths.cpp top_rounded_paths.h)

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
