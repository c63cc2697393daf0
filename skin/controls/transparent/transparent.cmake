# Child windows drawn over their parent's background through a key colour.
rollcall_skin_sources(
  transparent_child_record.h
  transparent_children.cpp transparent_children.h
  transparent_wnd_proc.cpp
  keyed_paint.cpp keyed_paint.h)
