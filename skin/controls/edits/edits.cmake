# Edit boxes and combo boxes: registration, the two window procedures, the
# painters and their looks.
rollcall_skin_sources(
  combo_wnd_proc.cpp
  edit_looks.cpp edit_looks.h
  edit_painters.cpp
  edit_records.h
  edit_skinners.cpp
  edit_wnd_proc.cpp
  edits.h)
