# Containers.
rollcall_skin_sources(container_record.h skin_children.cpp)
