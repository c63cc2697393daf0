# Child windows drawn over their parent's background through a key colour.
rollcall_skin_sources(transparent_child_record.h transparent_children.cpp)
