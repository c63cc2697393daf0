# Edit boxes and combo boxes.
rollcall_skin_sources(edit_records.h edit_skinners.cpp edits.h)
