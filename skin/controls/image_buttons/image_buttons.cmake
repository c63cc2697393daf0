# Image buttons: the two engine operations that make them and their painters.
rollcall_skin_sources(
  image_button_looks.cpp image_button_looks.h
  image_button_painters.cpp
  image_buttons.cpp image_buttons.h)
