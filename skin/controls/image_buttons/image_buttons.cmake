# Image buttons.
rollcall_skin_sources(image_buttons.cpp)
