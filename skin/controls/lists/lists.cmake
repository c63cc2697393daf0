# List boxes, list views, tree views and headers.
rollcall_skin_sources(list_records.h list_skinners.cpp lists.h)
