# Push buttons, check boxes and radio buttons: registration, the window
# procedure with the owner-draw dispatch, the painters and their looks.
rollcall_skin_sources(
  button_looks.cpp button_looks.h
  button_painters.cpp
  button_record.h
  button_skinners.cpp
  button_wnd_proc.cpp
  buttons.h)
