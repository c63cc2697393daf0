# List boxes, list views, tree views, IP-address fields, date-time pickers
# and headers: registration, the two procedures, the translucent client
# paint, the frame and header painters and their looks.
rollcall_skin_sources(
  header_painters.cpp
  header_wnd_proc.cpp
  list_client.cpp list_client.h
  list_frame.cpp
  list_looks.cpp list_looks.h
  list_records.h
  list_skinners.cpp
  list_wnd_proc.cpp
  lists.h)
